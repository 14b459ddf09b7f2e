#include "platform/os_win32.h"

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/win32_handles.h"
#include "text/text.h"

namespace elc {
namespace {

// Values are read into a buffer of this size, so at most 10239 bytes arrive.
constexpr DWORD kProfileBufferSize = 10240;
constexpr DWORD kStartWaitMs = 1000;

DateTime ToLocalDateTime(const FILETIME& utc) {
    FILETIME local{};
    SYSTEMTIME st{};
    FileTimeToLocalFileTime(&utc, &local);
    FileTimeToSystemTime(&local, &st);
    return {st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond};
}

// The text of a registry value of any size, cut at its first zero byte; a value
// that is not zero-terminated is terminated here.
std::string TextOfValue(std::vector<char>& data) {
    data.push_back('\0');
    return std::string(data.data());
}

std::string ExpandEnvironment(const std::string& text) {
    // The expansion may be longer than the value: ask for the size first.
    const DWORD needed = ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
    if (needed == 0) return std::string();
    std::vector<char> out(needed + 1);
    const DWORD written = ExpandEnvironmentStringsA(text.c_str(), out.data(), needed + 1);
    if (written == 0 || written > needed + 1) return std::string();
    out.back() = '\0';
    return std::string(out.data());
}

}  // namespace

std::vector<DirEntry> Win32Os::ListEntries(const std::string& pattern) {
    std::vector<DirEntry> entries;
    WIN32_FIND_DATAA data{};
    ScopedFind find(FindFirstFileA(pattern.c_str(), &data));
    if (!find.valid()) return entries;
    do {
        entries.push_back({data.cFileName, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (FindNextFileA(find.get(), &data));
    return entries;
}

bool Win32Os::Exists(const std::string& path) {
    WIN32_FIND_DATAA data{};
    ScopedFind find(FindFirstFileA(path.c_str(), &data));
    return find.valid();
}

unsigned long Win32Os::CopyOneFile(const std::string& from, const std::string& to) {
    if (CopyFileA(from.c_str(), to.c_str(), FALSE)) return 0;
    const DWORD error = GetLastError();
    return error != 0 ? error : ERROR_GEN_FAILURE;
}

bool Win32Os::GetFileTimes(const std::string& path, FileTimes& times) {
    // No data access is asked for, and every kind of sharing is allowed, so the
    // times of read-only files and of files the IDE holds open can be read.
    ScopedHandle file(CreateFileA(path.c_str(), FILE_READ_ATTRIBUTES,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return false;
    FILETIME created{}, accessed{}, written{};
    if (!GetFileTime(file.get(), &created, &accessed, &written)) return false;
    times = {ToLocalDateTime(created), ToLocalDateTime(written), ToLocalDateTime(accessed)};
    return true;
}

std::string Win32Os::ErrorText(unsigned long code) {
    char* buffer = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text;
    if (length != 0 && buffer != nullptr) text.assign(buffer, length);
    if (buffer != nullptr) LocalFree(buffer);
    if (text.empty()) text = "错误代码 " + std::to_string(code);
    return text;
}

std::string Win32Os::ModuleFileName() {
    // Grow until the whole name fits, so a long program path is never cut.
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return std::string();
        if (length < buffer.size()) return std::string(buffer.data(), length);
        if (buffer.size() >= 32768 * 2) return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

bool Win32Os::SetCurrentDir(const std::string& dir) {
    return SetCurrentDirectoryA(dir.c_str()) != FALSE;
}

std::string Win32Os::ReadProfileText(const std::string& file, const char* section, const char* key,
                                     const char* fallback) {
    std::vector<char> buffer(kProfileBufferSize);
    const DWORD length = GetPrivateProfileStringA(section, key, fallback, buffer.data(),
                                                  kProfileBufferSize, file.c_str());
    return std::string(buffer.data(), length);
}

bool Win32Os::WriteProfileText(const std::string& file, const char* section, const char* key,
                               const std::string& value) {
    return WritePrivateProfileStringA(section, key, value.c_str(), file.c_str()) != FALSE;
}

std::string Win32Os::ReadRegistryText(RegistryRoot root, const std::string& path) {
    const std::size_t slash = FindLastBackslash(path);
    const std::string keyPath = slash == std::string::npos ? std::string() : path.substr(0, slash);
    const std::string valueName = slash == std::string::npos ? path : path.substr(slash + 1);
    ScopedKey key;
    const HKEY rootKey = root == RegistryRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_CLASSES_ROOT;
    if (RegOpenKeyExA(rootKey, keyPath.c_str(), 0, KEY_READ, key.out()) != ERROR_SUCCESS)
        return std::string();
    const char* name = valueName.empty() ? nullptr : valueName.c_str();
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key.get(), name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return std::string();
    if (type != REG_SZ && type != REG_EXPAND_SZ) return std::string();
    std::vector<char> data(size);
    if (size != 0 &&
        RegQueryValueExA(key.get(), name, nullptr, &type,
                         reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS)
        return std::string();
    data.resize(size);
    const std::string text = TextOfValue(data);
    return type == REG_EXPAND_SZ ? ExpandEnvironment(text) : text;
}

bool Win32Os::TopWindowExists(const char* className) {
    return FindWindowA(className, nullptr) != nullptr;
}

bool Win32Os::StartProgram(const std::string& application, const std::string& commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');  // CreateProcessA may write into its command line
    if (!CreateProcessA(application.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process))
        return false;
    ScopedHandle thread(process.hThread), started(process.hProcess);
    // Give the IDE a moment to come up; its end is never waited for.
    WaitForInputIdle(started.get(), kStartWaitMs);
    return true;
}

}  // namespace elc
