// Entry routine: harden DLL loading, settle in the program's own directory, and
// run the one window until it is gone.
#include <windows.h>

#include <cstdlib>

#include "app/form.h"
#include "app/startup.h"
#include "platform/os_win32.h"
#include "settings/settings.h"

namespace {

// The program is often started from a download folder full of other files: load
// DLLs from the system directory only. Windows 7 without its loader update lacks
// SetDefaultDllDirectories, so it is looked up at run time.
void RestrictDllSearch() {
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    constexpr DWORD kSearchSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32
    const HMODULE kernel = GetModuleHandleA("kernel32.dll");
    const FARPROC found = kernel ? GetProcAddress(kernel, "SetDefaultDllDirectories") : nullptr;
    if (found) {
        auto setDirectories = reinterpret_cast<SetDefaultDllDirectoriesFn>(
            reinterpret_cast<void (*)()>(found));
        if (setDirectories(kSearchSystem32)) return;
    }
    // At least take the current directory out of the search.
    SetDllDirectoryA("");
}

void ExitRoutine() { elc::ReleaseGlobalTexts(); }

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    RestrictDllSearch();

    elc::Win32Os os;
    const std::string directory = elc::ProgramDirectoryOf(os.ModuleFileName());
    // The trailing backslash makes a drive root ("C:") mean the root, not the
    // drive's own current directory.
    if (!directory.empty()) os.SetCurrentDir(directory + '\\');

    std::atexit(ExitRoutine);
    const int code = elc::RunMainWindow();
    // A window that could not be built ends the process at once, without the
    // exit routine.
    if (code != 0) ExitProcess(static_cast<UINT>(code));
    return 0;
}
