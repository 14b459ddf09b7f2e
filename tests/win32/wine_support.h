// Helpers for tests that run under Wine: scratch folders, files, and driving the
// real program through its own window from another process.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace elc::wine {

std::string TestProgramDirectory();  // ends with a backslash
std::string BuiltProgram();          // elibcopy.exe beside the tests
std::string LabIde();                // the stand-in e.exe

// A fresh, empty folder under the temporary directory; ends with a backslash.
std::string FreshFolder(const std::string& name);
void DeleteTree(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);  // empty when missing
bool FileExists(const std::string& path);

// A top-level window of the given class that belongs to process id, or null.
HWND FindProcessWindow(DWORD processId, const char* className);
// Any visible dialog (message box) of the process, or null.
HWND FindMessageBox(DWORD processId);
std::string BoxText(HWND box);
std::string WindowText(HWND window);  // by WM_GETTEXT, across processes
std::string ClassOf(HWND window);
RECT ClientRectOfChild(HWND parent, HWND child);

// The real program started in a lab folder, found by its window.
class RunningProgram {
public:
    explicit RunningProgram(const std::string& exePath, const std::string& currentDir = "");
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    bool started() const { return window_ != nullptr; }
    HWND window() const { return window_; }
    DWORD id() const { return info_.dwProcessId; }
    DWORD threadId() const { return info_.dwThreadId; }
    HWND Control(int index) const;  // by creation order, 0 = the banner

    // Waits for the process to end; returns its exit code, or -1 on time-out.
    long WaitForExit(DWORD ms = 15000);
    bool IsWindowGone() const { return !IsWindow(window_); }
    // Waits for a message box of this process.
    HWND WaitForBox(DWORD ms = 10000) const;
    // Clicks a button by posting the click, so this test never blocks on a modal loop.
    static void Click(HWND button);
    void ClickControl(int index) const { Click(Control(index)); }
    // Lets the program handle what has been posted to it.
    void Settle() const;

    // List view access across processes.
    int RowCount() const;
    std::string Cell(int row, int column) const;
    bool RowChecked(int row) const;
    int RowIcon(int row) const;
    std::string ColumnTitle(int column) const;

private:
    PROCESS_INFORMATION info_{};
    HWND window_ = nullptr;
};

// A monotonic clock in seconds.
double Seconds();

// Saves what the screen shows of a window as a 24-bit BMP file.
bool SaveWindowPicture(HWND window, const std::string& bmpPath);

// Sets or deletes the default value of a registry key (REG_SZ).
void SetRegistryDefault(HKEY root, const std::string& key, const std::string& value);
void DeleteRegistryKey(HKEY root, const std::string& key);

}  // namespace elc::wine
