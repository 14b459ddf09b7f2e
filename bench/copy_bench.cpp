// Copies 200 files of 1 MiB through the program's Copy button and the same
// files through a plain CopyFileA loop, under Wine; prints both and the ratio.
#include <windows.h>

#include <cstdio>
#include <string>

#include "wine_support.h"

using namespace elc::wine;

int main() {
    constexpr int kFiles = 200;
    const std::string root = FreshFolder("bench-copy");
    const std::string app = root + "app\\", ide = root + "ide\\", plain = root + "plain\\";
    for (const std::string& d : {app, ide, ide + "lib\\", ide + "static_lib\\", plain})
        CreateDirectoryA(d.c_str(), nullptr);
    CopyFileA(BuiltProgram().c_str(), (app + "elibcopy.exe").c_str(), FALSE);
    CopyFileA(LabIde().c_str(), (ide + "e.exe").c_str(), FALSE);
    const std::string megabyte(1 << 20, 'L');
    for (int i = 0; i < kFiles; ++i) WriteBytes(app + "f" + std::to_string(i) + ".fne", megabyte);
    // Leave the window open after the copy, and point it at the lab IDE.
    WriteBytes(app + "config.ini", "[setup]\r\nrun=0\r\npath=" + ide + "\r\n");

    // The plain loop runs once before and once after the button, so neither side
    // alone gets the warm file cache; their mean is the reference.
    const auto plainLoop = [&](const std::string& into) {
        CreateDirectoryA(into.c_str(), nullptr);
        const double loopStart = Seconds();
        for (int i = 0; i < kFiles; ++i) {
            const std::string name = "f" + std::to_string(i) + ".fne";
            CopyFileA((app + name).c_str(), (into + name).c_str(), FALSE);
        }
        return Seconds() - loopStart;
    };
    const double before = plainLoop(plain + "before\\");

    RunningProgram program(app + "elibcopy.exe");
    if (!program.started()) {
        std::printf("the program did not start\n");
        return 1;
    }
    const double start = Seconds();
    SendMessageA(program.Control(6), BM_CLICK, 0, 0);  // returns when the click has been handled
    const double command = Seconds() - start;
    const bool complete = FileExists(ide + "lib\\f" + std::to_string(kFiles - 1) + ".fne");

    const double loop = (before + plainLoop(plain + "after\\")) / 2;
    std::printf("Copy button, %d x 1 MiB: %.1f ms%s (includes the time-column refresh)\n", kFiles,
                command * 1000, complete ? "" : " (INCOMPLETE)");
    std::printf("plain CopyFileA loop:     %.1f ms (mean of one run before and one after)\n",
                loop * 1000);
    std::printf("ratio: %.2fx\n", command / loop);
    return 0;
}
