// The Copy button end to end: the real program, the stand-in IDE, real files.
#include <gtest/gtest.h>

#include "lab.h"

namespace elc::wine {
namespace {

constexpr char kQuestion[] = "易语言正在运行中,可能复制失败!\r\n是否继续复制?";

// The stand-in IDE showing its main window, for as long as this object lives.
class RunningIde {
public:
    explicit RunningIde(const std::string& exe) {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::string line = "\"" + exe + "\" /window";
        if (!CreateProcessA(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &info_))
            return;
        for (int waited = 0; waited < 10000 && !FindWindowA("ENewFrame", nullptr); waited += 50)
            Sleep(50);
    }
    ~RunningIde() {
        if (HWND frame = FindWindowA("ENewFrame", nullptr)) PostMessageA(frame, WM_CLOSE, 0, 0);
        if (info_.hProcess) {
            if (WaitForSingleObject(info_.hProcess, 5000) == WAIT_TIMEOUT) TerminateProcess(info_.hProcess, 1);
            CloseHandle(info_.hProcess);
            CloseHandle(info_.hThread);
        }
    }
    RunningIde(const RunningIde&) = delete;
    RunningIde& operator=(const RunningIde&) = delete;

private:
    PROCESS_INFORMATION info_{};
};

// Waits for the program's box, checks its title and text, and answers it.
void AnswerBox(const RunningProgram& program, const std::string& title, const std::string& text,
               int answer = IDOK) {
    const HWND box = program.WaitForBox();
    ASSERT_NE(box, nullptr) << text;
    EXPECT_EQ(WindowText(box), title);
    EXPECT_EQ(BoxText(box), text);
    PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(answer), 0);
    program.Settle();
}

TEST(CopyCommand, TypicalRunCopiesStartsTheIdeAndCloses) {
    Lab lab("typical");
    lab.PointRegistryAtIde();
    lab.WriteConfig("[setup]\r\ntitle=T\r\n");
    RunningProgram program(lab.Program());
    ASSERT_TRUE(program.started());
    EXPECT_EQ(WindowText(program.Control(kEdit)), lab.ide);
    ASSERT_EQ(program.RowCount(), 2);

    program.ClickControl(kCopy);
    EXPECT_EQ(program.WaitForExit(), 0);
    EXPECT_TRUE(program.IsWindowGone());

    EXPECT_EQ(ReadBytes(lab.ide + "lib\\a.fne"), ReadBytes(lab.app + "a.fne"));
    EXPECT_EQ(ReadBytes(lab.ide + "static_lib\\b.lib"), ReadBytes(lab.app + "b.lib"));
    const std::string config = ReadBytes(lab.app + "config.ini");
    EXPECT_NE(config.find("run=1"), std::string::npos) << config;
    EXPECT_EQ(config.find("path="), std::string::npos) << config;
    // Started once, with the quoted full path and nothing else.
    for (int waited = 0; waited < 5000 && lab.Record().empty(); waited += 100) Sleep(100);
    const std::string record = lab.Record();
    EXPECT_EQ(record.substr(0, record.find('\t')), "\"" + lab.ide + "e.exe\"") << record;
    EXPECT_EQ(std::count(record.begin(), record.end(), '\n'), 1) << record;
}

TEST(CopyCommand, RunAfterCopyUntickedKeepsTheWindowWithFreshTimes) {
    Lab lab("stay");
    lab.PointRegistryAtIde();
    RunningProgram program(lab.Program());
    ASSERT_TRUE(program.started());
    EXPECT_EQ(program.Cell(0, 2), "");
    program.ClickControl(kRunAfter);
    program.Settle();
    program.ClickControl(kCopy);
    program.Settle();

    EXPECT_FALSE(program.IsWindowGone());
    EXPECT_EQ(FindMessageBox(program.id()), nullptr);
    EXPECT_EQ(program.Cell(0, 2).size(), 14u);
    EXPECT_EQ(program.Cell(1, 2).size(), 14u);
    EXPECT_TRUE(lab.Record().empty());
    EXPECT_NE(ReadBytes(lab.app + "config.ini").find("run=0"), std::string::npos);
}

TEST(CopyCommand, ErrorBoxesWithTheirTexts) {
    Lab lab("errors");
    RunningProgram program(lab.Program());
    ASSERT_TRUE(program.started());
    // No IDE found: the edit box is empty and Copy says the directory is invalid.
    program.ClickControl(kCopy);
    AnswerBox(program, "错误", "无效的易语言目录");
    EXPECT_FALSE(FileExists(lab.app + "config.ini"));

    // A valid directory with nothing ticked: run is written, then the box.
    SendMessageA(program.Control(kEdit), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(lab.ide.substr(0, lab.ide.size() - 1).c_str()));
    program.ClickControl(kSelectAll);
    program.Settle();
    program.ClickControl(kCopy);
    AnswerBox(program, "错误", "请选择要复制的文件");
    const std::string config = ReadBytes(lab.app + "config.ini");
    EXPECT_NE(config.find("run=1"), std::string::npos) << config;
    EXPECT_NE(config.find("path=" + lab.ide + "\r\n"), std::string::npos) << config;
}

TEST(CopyCommand, EmptyListBox) {
    Lab lab("empty");
    DeleteFileA((lab.app + "a.fne").c_str());
    DeleteFileA((lab.app + "b.lib").c_str());
    RunningProgram program(lab.Program());
    ASSERT_TRUE(program.started());
    program.ClickControl(kCopy);
    AnswerBox(program, "错误", "暂无需要复制的文件");
}

TEST(CopyCommand, RunningIdeQuestionNoThenYes) {
    Lab lab("question");
    lab.PointRegistryAtIde();
    WriteBytes(lab.ide + "lib\\a.fne", "old a");
    RunningIde ide(LabIde());
    ASSERT_NE(FindWindowA("ENewFrame", nullptr), nullptr);
    RunningProgram program(lab.Program());
    ASSERT_TRUE(program.started());

    program.ClickControl(kCopy);
    AnswerBox(program, "提示", kQuestion, IDNO);
    EXPECT_EQ(ReadBytes(lab.ide + "lib\\a.fne"), "old a");
    EXPECT_FALSE(FileExists(lab.ide + "static_lib\\b.lib"));
    EXPECT_FALSE(program.IsWindowGone());

    program.ClickControl(kCopy);
    AnswerBox(program, "提示", kQuestion, IDYES);
    EXPECT_EQ(program.WaitForExit(), 0);
    EXPECT_EQ(ReadBytes(lab.ide + "lib\\a.fne"), ReadBytes(lab.app + "a.fne"));
    EXPECT_EQ(ReadBytes(lab.ide + "static_lib\\b.lib"), ReadBytes(lab.app + "b.lib"));
}

TEST(CopyCommand, MissingStaticLibIsReportedAndNothingStarts) {
    Lab lab("nostatic");
    lab.PointRegistryAtIde();
    RemoveDirectoryA((lab.ide + "static_lib").c_str());
    RunningProgram program(lab.Program());
    ASSERT_TRUE(program.started());
    program.ClickControl(kCopy);
    HWND box = program.WaitForBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(WindowText(box), "错误");
    const std::string text = BoxText(box);
    EXPECT_EQ(text.rfind("以下文件复制失败:\r\n" + lab.ide + "static_lib\\b.lib", 0), 0u) << text;
    EXPECT_EQ(text.find("a.fne"), std::string::npos) << text;
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    program.Settle();
    EXPECT_FALSE(program.IsWindowGone());
    EXPECT_EQ(ReadBytes(lab.ide + "lib\\a.fne"), ReadBytes(lab.app + "a.fne"));
    EXPECT_EQ(program.Cell(0, 2).size(), 14u);
    EXPECT_EQ(program.Cell(1, 2), "");
    Sleep(300);
    EXPECT_TRUE(lab.Record().empty());
}

TEST(CopyCommand, SpaceInTheIdePathNeverStartsADecoy) {
    Lab lab("decoy", "My IDE");
    lab.PointRegistryAtIde();
    // A program at the first space: an unquoted command line would start it.
    CopyFileA(LabIde().c_str(), (lab.root + "My.exe").c_str(), FALSE);
    RunningProgram program(lab.Program());
    ASSERT_TRUE(program.started());
    program.ClickControl(kCopy);
    EXPECT_EQ(program.WaitForExit(), 0);
    for (int waited = 0; waited < 5000 && lab.Record().empty(); waited += 100) Sleep(100);
    EXPECT_FALSE(lab.Record().empty());
    EXPECT_FALSE(FileExists(lab.root + "e.record.txt")) << "the decoy ran";
}

}  // namespace
}  // namespace elc::wine
