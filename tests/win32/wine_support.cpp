#include "wine_support.h"

#include <commctrl.h>

#include <fstream>
#include <iterator>

namespace elc::wine {
namespace {

constexpr char kMainWindowClass[] = "ElibCopyMainWindow";
constexpr int kFirstControlId = 1001;

std::string ModulePath() {
    char path[MAX_PATH * 4] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    return path;
}

struct FindData {
    DWORD processId;
    const char* className;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
    auto* data = reinterpret_cast<FindData*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != data->processId || !IsWindowVisible(window)) return TRUE;
    if (ClassOf(window) != data->className) return TRUE;
    data->found = window;
    return FALSE;
}

// Memory inside the program's process, for list view messages that carry pointers.
class RemoteBuffer {
public:
    RemoteBuffer(DWORD processId, std::size_t size)
        : process_(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                               processId)) {
        if (process_) memory_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    }
    ~RemoteBuffer() {
        if (memory_) VirtualFreeEx(process_, memory_, 0, MEM_RELEASE);
        if (process_) CloseHandle(process_);
    }
    char* address() const { return static_cast<char*>(memory_); }
    void Write(std::size_t offset, const void* data, std::size_t size) const {
        WriteProcessMemory(process_, address() + offset, data, size, nullptr);
    }
    void Read(std::size_t offset, void* data, std::size_t size) const {
        ReadProcessMemory(process_, address() + offset, data, size, nullptr);
    }

private:
    HANDLE process_;
    void* memory_ = nullptr;
};

}  // namespace

std::string TestProgramDirectory() {
    const std::string path = ModulePath();
    return path.substr(0, path.find_last_of('\\') + 1);
}

std::string BuiltProgram() { return TestProgramDirectory() + "elibcopy.exe"; }
std::string LabIde() { return TestProgramDirectory() + "lab\\e.exe"; }

void DeleteTree(const std::string& path) {
    std::string folder = path;
    if (!folder.empty() && folder.back() == '\\') folder.pop_back();
    WIN32_FIND_DATAA data{};
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = data.cFileName;
            if (name == "." || name == "..") continue;
            const std::string full = folder + "\\" + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                DeleteTree(full);
            } else {
                SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(full.c_str());
            }
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    RemoveDirectoryA(folder.c_str());
}

std::string FreshFolder(const std::string& name) {
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    std::string root = std::string(temp) + "elc-tests\\";
    CreateDirectoryA(root.c_str(), nullptr);
    std::string folder = root + name;
    DeleteTree(folder);
    // Create every level, so names may hold subfolders.
    for (std::size_t at = root.size(); at <= folder.size(); ++at) {
        if (at == folder.size() || folder[at] == '\\')
            CreateDirectoryA(folder.substr(0, at).c_str(), nullptr);
    }
    return folder + "\\";
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

HWND FindProcessWindow(DWORD processId, const char* className) {
    FindData data{processId, className, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&data));
    return data.found;
}

HWND FindMessageBox(DWORD processId) { return FindProcessWindow(processId, "#32770"); }

std::string WindowText(HWND window) {
    const auto length = static_cast<std::size_t>(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0));
    std::vector<char> buffer(length + 1);
    SendMessageA(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    return std::string(buffer.data());
}

std::string BoxText(HWND box) {
    // The box's message is its static control with text (the icon's has none).
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) != "Static") continue;
        std::string text = WindowText(child);
        if (!text.empty()) return text;
    }
    return std::string();
}

std::string ClassOf(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

RECT ClientRectOfChild(HWND parent, HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

RunningProgram::RunningProgram(const std::string& exePath, const std::string& currentDir) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string line = "\"" + exePath + "\"";
    if (!CreateProcessA(exePath.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        currentDir.empty() ? nullptr : currentDir.c_str(), &startup, &info_))
        return;
    for (int waited = 0; waited < 20000 && !window_; waited += 50) {
        window_ = FindProcessWindow(info_.dwProcessId, kMainWindowClass);
        if (!window_) Sleep(50);
    }
}

RunningProgram::~RunningProgram() {
    if (!info_.hProcess) return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        // Close any box, then the window; kill only as a last resort.
        if (HWND box = FindMessageBox(info_.dwProcessId)) PostMessageA(box, WM_CLOSE, 0, 0);
        if (IsWindow(window_)) PostMessageA(window_, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(info_.hProcess, 5000) == WAIT_TIMEOUT)
            TerminateProcess(info_.hProcess, 99);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

HWND RunningProgram::Control(int index) const { return GetDlgItem(window_, kFirstControlId + index); }

long RunningProgram::WaitForExit(DWORD ms) {
    if (WaitForSingleObject(info_.hProcess, ms) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return static_cast<long>(code);
}

HWND RunningProgram::WaitForBox(DWORD ms) const {
    for (DWORD waited = 0; waited < ms; waited += 50) {
        if (HWND box = FindMessageBox(info_.dwProcessId)) {
            Sleep(200);  // let the box finish laying itself out
            return box;
        }
        Sleep(50);
    }
    return nullptr;
}

void RunningProgram::Click(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

void RunningProgram::Settle() const {
    // A message sent after the posted ones returns once they have been handled,
    // unless a modal loop is running; the time-out covers that case.
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window_, WM_NULL, 0, 0, SMTO_NORMAL, 3000, &result);
    Sleep(100);
}

int RunningProgram::RowCount() const {
    return static_cast<int>(SendMessageA(Control(4), LVM_GETITEMCOUNT, 0, 0));
}

namespace {
// Sends a list view message whose item (an LVITEMA or LVCOLUMNA) points at text
// memory, with both placed inside the program's process, and reads the text back.
template <typename Item>
std::string RemoteText(DWORD processId, HWND list, UINT message, WPARAM wp, Item item) {
    constexpr std::size_t kText = 4096;
    RemoteBuffer remote(processId, sizeof(Item) + kText);
    item.pszText = remote.address() + sizeof(Item);
    item.cchTextMax = kText;
    remote.Write(0, &item, sizeof item);
    SendMessageA(list, message, wp, reinterpret_cast<LPARAM>(remote.address()));
    std::vector<char> text(kText + 1, '\0');
    remote.Read(sizeof(Item), text.data(), kText);
    return std::string(text.data());
}
}  // namespace

std::string RunningProgram::Cell(int row, int column) const {
    LVITEMA item{};
    item.iSubItem = column;
    return RemoteText(info_.dwProcessId, Control(4), LVM_GETITEMTEXTA, static_cast<WPARAM>(row), item);
}

bool RunningProgram::RowChecked(int row) const {
    const auto state = static_cast<UINT>(
        SendMessageA(Control(4), LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK));
    return (state & LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2);
}

int RunningProgram::RowIcon(int row) const {
    RemoteBuffer remote(info_.dwProcessId, sizeof(LVITEMA));
    LVITEMA item{};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    remote.Write(0, &item, sizeof item);
    SendMessageA(Control(4), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(remote.address()));
    remote.Read(0, &item, sizeof item);
    return item.iImage;
}

std::string RunningProgram::ColumnTitle(int column) const {
    LVCOLUMNA info{};
    info.mask = LVCF_TEXT;
    return RemoteText(info_.dwProcessId, Control(4), LVM_GETCOLUMNA, static_cast<WPARAM>(column), info);
}

double Seconds() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

bool SaveWindowPicture(HWND window, const std::string& bmpPath) {
    RECT r{};
    GetWindowRect(window, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up, as BMP files store rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    const bool copied = BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY) != 0;
    GdiFlush();
    SelectObject(memory, old);
    const DWORD stride = ((static_cast<DWORD>(width) * 3 + 3) & ~3u);
    const DWORD imageSize = stride * static_cast<DWORD>(height);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + imageSize;
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
    bytes.append(static_cast<const char*>(bits), imageSize);
    WriteBytes(bmpPath, bytes);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return copied;
}

void SetRegistryDefault(HKEY root, const std::string& key, const std::string& value) {
    HKEY handle = nullptr;
    if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr) !=
        ERROR_SUCCESS)
        return;
    RegSetValueExA(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(handle);
}

void DeleteRegistryKey(HKEY root, const std::string& key) { RegDeleteTreeA(root, key.c_str()); }

}  // namespace elc::wine
