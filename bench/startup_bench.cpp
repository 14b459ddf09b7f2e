// Time from process start to the main window shown, under Wine, with 0, 200 and
// 2000 library files beside the program, against the lab IDE's bare window
// started the same way. Prints the figures and the ratios.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "wine_support.h"

using namespace elc::wine;

namespace {

// Starts the program and returns seconds until a visible window of the class is there.
double TimeToWindow(const std::string& exe, const std::string& arguments, const char* windowClass) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::string line = "\"" + exe + "\"" + arguments;
    const double start = Seconds();
    if (!CreateProcessA(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info))
        return -1;
    HWND window = nullptr;
    while (!(window = FindProcessWindow(info.dwProcessId, windowClass)) && Seconds() - start < 60) Sleep(1);
    const double elapsed = Seconds() - start;
    if (window) PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(info.hProcess, 10000) == WAIT_TIMEOUT) TerminateProcess(info.hProcess, 1);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return window ? elapsed : -1;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main() {
    constexpr int kRuns = 5;
    const std::string ide = FreshFolder("bench-startup\\ide");
    CopyFileA(LabIde().c_str(), (ide + "e.exe").c_str(), FALSE);
    CreateDirectoryA((ide + "lib").c_str(), nullptr);
    CreateDirectoryA((ide + "static_lib").c_str(), nullptr);
    std::vector<double> bare;
    for (int i = 0; i < kRuns; ++i) bare.push_back(TimeToWindow(ide + "e.exe", " /window", "ENewFrame"));
    const double baseline = Median(bare);
    std::printf("lab IDE bare window: %.1f ms (median of %d)\n", baseline * 1000, kRuns);

    for (int files : {0, 200, 2000}) {
        const std::string app = FreshFolder("bench-startup\\app" + std::to_string(files));
        CopyFileA(BuiltProgram().c_str(), (app + "elibcopy.exe").c_str(), FALSE);
        // As a user has it: an IDE is found, so installed copies are looked for in
        // its lib and static_lib folders.
        WriteBytes(app + "config.ini", "[setup]\r\npath=" + ide + "\r\n");
        for (int i = 0; i < files; ++i)
            WriteBytes(app + "lib" + std::to_string(i) + (i % 2 ? ".lib" : ".fne"), "x");
        std::vector<double> runs;
        for (int i = 0; i < kRuns; ++i)
            runs.push_back(TimeToWindow(app + "elibcopy.exe", "", "ElibCopyMainWindow"));
        const double median = Median(runs);
        std::printf("elibcopy, %4d library files: %.1f ms (median of %d), %.2fx the bare window\n",
                    files, median * 1000, kRuns, median / baseline);
    }
    return 0;
}
