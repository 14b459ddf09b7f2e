#include <gtest/gtest.h>

#include <algorithm>

#include "fakes.h"
#include "install/copy_command.h"
#include "library_list/library_list.h"
#include "settings/settings.h"

namespace elc {
namespace {

using test::FakeOs;
using test::FakeUi;

constexpr char kConfig[] = "C:\\s\\config.ini";
constexpr unsigned kInfo = 0x40 | 0x2000;  // information icon, task-modal
constexpr char kQuestion[] = "易语言正在运行中,可能复制失败!\r\n是否继续复制?";

class CopyCommandTest : public testing::Test {
protected:
    void SetUp() override {
        g_settingsPath = kConfig;
        g_initialIdeDirectory = "C:\\E\\";
        os.AddFile("C:\\E\\e.exe");
        os.AddFile("D:\\E\\e.exe");
        os.AddFile("C:\\s\\a.fne");
        os.AddFile("C:\\s\\b.lib");
        ui.texts[Control::编辑框1] = "C:\\E\\";
        ui.AddRow("a.fne", kSupportLibraryTemplate, "C:\\s\\a.fne");
        ui.AddRow("b.lib", kStaticLibraryTemplate, "C:\\s\\b.lib");
    }
    void TearDown() override {
        g_settingsPath.clear();
        g_initialIdeDirectory.clear();
    }

    // The log lines that start with prefix, in order.
    std::vector<std::string> Lines(const std::string& prefix) const {
        std::vector<std::string> out;
        for (const std::string& line : log)
            if (line.rfind(prefix, 0) == 0) out.push_back(line);
        return out;
    }
    std::vector<std::string> Writes() const { return Lines("write "); }
    std::vector<std::string> Copies() const { return Lines("copy "); }

    test::Log log;
    FakeOs os{log};
    FakeUi ui{log};
};

TEST_F(CopyCommandTest, TypicalRunCopiesStartsTheIdeAndCloses) {
    OnCopy(os, ui);
    EXPECT_EQ(Writes(), (std::vector<std::string>{"write setup.run=1"}));
    EXPECT_EQ(Copies(), (std::vector<std::string>{"copy C:\\s\\a.fne > C:\\E\\lib\\a.fne",
                                                  "copy C:\\s\\b.lib > C:\\E\\static_lib\\b.lib"}));
    EXPECT_TRUE(ui.boxes.empty());
    ASSERT_EQ(os.started.size(), 1u);
    // The application name is given and the command line is quoted.
    EXPECT_EQ(os.started[0].first, "C:\\E\\e.exe");
    EXPECT_EQ(os.started[0].second, "\"C:\\E\\e.exe\"");
    EXPECT_EQ(ui.closeRequests, 1);
    // Copy, refresh (its first time read), start, close: in that order.
    const auto at = [&](const std::string& line) {
        return std::find(log.begin(), log.end(), line) - log.begin();
    };
    EXPECT_LT(at("copy C:\\s\\b.lib > C:\\E\\static_lib\\b.lib"), at("times C:\\s\\a.fne"));
    EXPECT_LT(at("times C:\\s\\a.fne"), at("start \"C:\\E\\e.exe\""));
    EXPECT_LT(at("start \"C:\\E\\e.exe\""), at("close"));
    EXPECT_FALSE(ui.rows[0].cells[kColumnTargetTime].empty());
    EXPECT_EQ(ui.listHolds, 0);
}

struct StopCase {
    const char* name;
    bool emptyList;
    const char* box;
    const char* directory;
    bool tickNone;
    std::vector<std::string> writes;
};

TEST_F(CopyCommandTest, ClicksThatStopWithAnErrorBox) {
    const StopCase cases[] = {
        {"empty list", true, "暂无需要复制的文件", "", false, {}},
        {"invalid directory", false, "无效的易语言目录", "  C:\\nowhere", false, {}},
        {"blank directory", false, "无效的易语言目录", "   ", false, {}},
        {"nothing ticked", false, "请选择要复制的文件", "C:\\E\\", true, {"write setup.run=1"}},
        {"nothing ticked, new directory", false, "请选择要复制的文件", "D:\\E", true,
         {"write setup.run=1", "write setup.path=D:\\E\\"}},
    };
    for (const StopCase& c : cases) {
        ui.rows.clear();
        SetUp();
        log.clear();
        ui.boxes.clear();
        if (c.emptyList) ui.rows.clear();
        for (auto& row : ui.rows) row.checked = !c.tickNone;
        ui.texts[Control::编辑框1] = c.directory;
        ui.focused = Control::按钮2;

        OnCopy(os, ui);

        ASSERT_EQ(ui.boxes.size(), 1u) << c.name;
        EXPECT_EQ(ui.boxes[0].text, c.box) << c.name;
        EXPECT_EQ(ui.boxes[0].title, "错误") << c.name;
        EXPECT_EQ(ui.boxes[0].flags, kInfo) << c.name;
        EXPECT_EQ(Writes(), c.writes) << c.name;
        EXPECT_TRUE(Copies().empty()) << c.name;
        EXPECT_EQ(ui.closeRequests, 0) << c.name;
        EXPECT_EQ(ui.texts[Control::编辑框1], c.directory) << "the box keeps what was typed";
        const bool invalid = std::string(c.box) == "无效的易语言目录";
        EXPECT_EQ(ui.focused == Control::编辑框1, invalid) << c.name;
        if (invalid) {
            EXPECT_EQ(log.back(), "focus") << "focus after the box";
        }
    }
}

struct PathCase {
    const char* name;
    const char* initial;
    const char* typed;
    bool run;
    const char* pathWritten;  // null: no path write
};

TEST_F(CopyCommandTest, PathIsWrittenOnlyWhenTheDirectoryChanged) {
    const PathCase cases[] = {
        {"unchanged", "C:\\E\\", "C:\\E\\", true, nullptr},
        {"typed without backslash", "C:\\E\\", "C:\\E", true, nullptr},
        {"leading blanks", "C:\\E\\", "  C:\\E", false, nullptr},
        {"other letter case", "C:\\E\\", "c:\\e\\", true, "c:\\e\\"},
        {"no initial directory", "", "C:\\E\\", true, "C:\\E\\"},
        {"another directory", "C:\\E\\", " D:\\E", false, "D:\\E\\"},
    };
    for (const PathCase& c : cases) {
        ui.rows.clear();
        SetUp();
        log.clear();
        os.AddFile("c:\\e\\e.exe");
        g_initialIdeDirectory = c.initial;
        ui.texts[Control::编辑框1] = c.typed;
        ui.checks[Control::选择框2] = c.run;
        ui.rows.clear();
        ui.AddRow("a.fne", kSupportLibraryTemplate, "C:\\s\\a.fne", false);  // stops after the writes

        OnCopy(os, ui);

        std::vector<std::string> expected = {std::string("write setup.run=") + (c.run ? "1" : "0")};
        if (c.pathWritten) expected.push_back(std::string("write setup.path=") + c.pathWritten);
        EXPECT_EQ(Writes(), expected) << c.name;
    }
}

TEST_F(CopyCommandTest, SecondClickIntoAChangedDirectoryWritesPathAgain) {
    ui.texts[Control::编辑框1] = "D:\\E";
    ui.checks[Control::选择框2] = false;
    OnCopy(os, ui);
    OnCopy(os, ui);
    EXPECT_EQ(Writes(), (std::vector<std::string>{"write setup.run=0", "write setup.path=D:\\E\\",
                                                  "write setup.run=0", "write setup.path=D:\\E\\"}));
    EXPECT_EQ(Copies().size(), 4u);
    EXPECT_EQ(ui.closeRequests, 0);
    EXPECT_TRUE(ui.boxes.empty());
}

struct RunningCase {
    const char* name;
    bool ideRunning;
    std::vector<std::string> installed;
    std::deque<int> answers;
    int questions;
    std::size_t copies;
};

TEST_F(CopyCommandTest, RunningIdeQuestion) {
    const RunningCase cases[] = {
        {"not running, targets exist", false, {"C:\\E\\lib\\a.fne", "C:\\E\\static_lib\\b.lib"}, {}, 0, 2},
        {"running, nothing installed", true, {}, {}, 0, 2},
        {"running, both installed, yes", true, {"C:\\E\\lib\\a.fne", "C:\\E\\static_lib\\b.lib"}, {6}, 1, 2},
        {"running, second installed, yes", true, {"C:\\E\\static_lib\\b.lib"}, {6}, 1, 2},
        {"running, installed, no", true, {"C:\\E\\lib\\a.fne"}, {7}, 1, 0},
    };
    for (const RunningCase& c : cases) {
        ui.rows.clear();
        SetUp();
        log.clear();
        ui.boxes.clear();
        os.started.clear();
        ui.closeRequests = 0;
        os.windowClasses.clear();
        if (c.ideRunning) os.windowClasses.insert("ENewFrame");
        os.files.erase("C:\\E\\lib\\a.fne");
        os.files.erase("C:\\E\\static_lib\\b.lib");
        for (const std::string& path : c.installed) os.AddFile(path);
        ui.answers = c.answers;

        OnCopy(os, ui);

        ASSERT_EQ(static_cast<int>(ui.boxes.size()), c.questions) << c.name;
        if (c.questions) {
            EXPECT_EQ(ui.boxes[0].text, kQuestion);
            EXPECT_EQ(ui.boxes[0].title, "提示");
            EXPECT_EQ(ui.boxes[0].flags, 0x4u | kInfo);
        }
        EXPECT_EQ(Copies().size(), c.copies) << c.name;
        const bool answeredNo = c.copies == 0;
        EXPECT_EQ(ui.closeRequests, answeredNo ? 0 : 1) << c.name;
        EXPECT_EQ(os.started.size(), answeredNo ? 0u : 1u) << c.name;
        if (answeredNo) {
            EXPECT_TRUE(Lines("times ").empty()) << "no refresh after No";
            EXPECT_EQ(Writes().size(), 1u) << "run stays written";
        }
    }
}

TEST_F(CopyCommandTest, FailedCopiesAreReportedAndNothingIsStarted) {
    os.copyErrors["C:\\E\\lib\\a.fne"] = 3;
    os.AddFile("C:\\s\\c.lib");
    ui.AddRow("c.lib", kStaticLibraryTemplate, "C:\\s\\c.lib");
    os.copyErrors["C:\\E\\static_lib\\c.lib"] = 5;

    OnCopy(os, ui);

    EXPECT_EQ(Copies().size(), 3u);  // every file is still attempted
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].title, "错误");
    EXPECT_EQ(ui.boxes[0].flags, kInfo);
    EXPECT_EQ(ui.boxes[0].text,
              "以下文件复制失败:\r\nC:\\E\\lib\\a.fne  reason 3\r\nC:\\E\\static_lib\\c.lib  reason 5");
    EXPECT_TRUE(os.started.empty());
    EXPECT_EQ(ui.closeRequests, 0);
    // The columns were refreshed before the report.
    EXPECT_FALSE(ui.rows[1].cells[kColumnTargetTime].empty());
    EXPECT_EQ(ui.rows[0].cells[kColumnTargetTime], "");
}

TEST_F(CopyCommandTest, RunAfterCopyUntickedLeavesTheWindowOpen) {
    ui.checks[Control::选择框2] = false;
    OnCopy(os, ui);
    EXPECT_EQ(Copies().size(), 2u);
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_TRUE(os.started.empty());
    EXPECT_EQ(ui.closeRequests, 0);
    EXPECT_TRUE(ui.rows[0].checked && ui.rows[1].checked);
    EXPECT_EQ(ui.texts[Control::编辑框1], "C:\\E\\");
}

TEST_F(CopyCommandTest, UntickedRowsAreNotCopied) {
    ui.rows[0].checked = false;
    OnCopy(os, ui);
    EXPECT_EQ(Copies(), (std::vector<std::string>{"copy C:\\s\\b.lib > C:\\E\\static_lib\\b.lib"}));
}

}  // namespace
}  // namespace elc
