// A stand-in for the IDE, for tests and the demo. Every start appends one line to
// e.record.txt beside this program: the command line, a tab, the current
// directory. With the argument /window it also shows a top-level window of the
// IDE's main window class until that window is closed; a second argument, when
// given, is the window's title.
#include <windows.h>

#include <cstring>
#include <string>

namespace {

std::string ProgramDirectory() {
    char path[4096] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string text(path, length);
    const std::size_t slash = text.find_last_of('\\');
    return slash == std::string::npos ? std::string() : text.substr(0, slash + 1);
}

void AppendRecord() {
    char current[4096] = {};
    GetCurrentDirectoryA(sizeof current, current);
    const std::string line = std::string(GetCommandLineA()) + "\t" + current + "\r\n";
    const std::string record = ProgramDirectory() + "e.record.txt";
    const HANDLE file = CreateFileA(record.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
}

LRESULT CALLBACK FrameProc(HWND hwnd, UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wp, lp);
}

int ShowFrame(const char* title) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = FrameProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "ENewFrame";
    if (!RegisterClassA(&wc)) return 1;
    const HWND frame = CreateWindowA("ENewFrame", title, WS_OVERLAPPEDWINDOW, 40, 40, 320, 200,
                                     nullptr, nullptr, wc.hInstance, nullptr);
    if (!frame) return 1;
    ShowWindow(frame, SW_SHOWNOACTIVATE);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    AppendRecord();
    const char* flag = std::strstr(commandLine, "/window");
    if (!flag) return 0;
    const char* title = flag + std::strlen("/window");
    while (*title == ' ') ++title;
    return ShowFrame(title);
}
