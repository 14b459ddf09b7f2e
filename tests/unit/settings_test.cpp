#include <gtest/gtest.h>

#include "fakes.h"
#include "settings/ide_facts.h"
#include "settings/settings.h"

namespace elc {
namespace {

using test::FakeOs;
using test::FakeUi;

constexpr char kConfig[] = "C:\\tools\\config.ini";
constexpr char kBannerCaption[] = "\r\n\r\n\r\n\r\n              %s";

class SettingsTest : public testing::Test {
protected:
    void SetUp() override {
        g_settingsPath = kConfig;
        g_initialIdeDirectory.clear();
    }
    void TearDown() override {
        g_settingsPath.clear();
        g_initialIdeDirectory.clear();
    }
    void SetKey(const std::string& key, const std::string& value) { os.profiles[kConfig][key] = value; }

    test::Log log;
    FakeOs os{log};
    FakeUi ui{log};
};

TEST_F(SettingsTest, SettingsPathIsBesideTheProgram) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\tools\\elibcopy.exe", "C:\\tools\\config.ini"},
        {"C:\\elibcopy.exe", "C:\\config.ini"},
        {"D:\\\x95\x5C\\elibcopy.exe", "D:\\\x95\x5C\\config.ini"},
        {"elibcopy.exe", "\\config.ini"},
    };
    for (const auto& [module, expected] : cases) {
        os.moduleFileName = module;
        InitSettingsPath(os);
        EXPECT_EQ(g_settingsPath, expected) << module;
    }
    EXPECT_EQ(ProgramFileNameOf("D:\\\x95\x5C" "e.exe"), "\x95\x5C" "e.exe");
}

TEST_F(SettingsTest, BannerTitleReplacesTheFirstPlaceholder) {
    const std::pair<const char*, std::string> cases[] = {
        {nullptr, "\r\n\r\n\r\n\r\n              "},
        {"", "\r\n\r\n\r\n\r\n              "},
        {"库安装", "\r\n\r\n\r\n\r\n              库安装"},
        {"50%s off", "\r\n\r\n\r\n\r\n              50%s off"},
    };
    for (const auto& [title, expected] : cases) {
        os.profiles.clear();
        if (title) SetKey("title", title);
        ui.texts[Control::标签2] = kBannerCaption;
        ApplyBannerTitle(os, ui);
        EXPECT_EQ(ui.texts[Control::标签2], expected) << (title ? title : "(none)");
    }
}

TEST_F(SettingsTest, RunChoiceTicksOnlyForExactlyOne) {
    const std::pair<const char*, bool> cases[] = {
        {nullptr, true}, {"1", true}, {"0", false}, {"", false},
        {"2", false},    {"01", false}, {"yes", false}, {"1 ", false},
    };
    for (const auto& [value, ticked] : cases) {
        os.profiles.clear();
        if (value) SetKey("run", value);
        ui.checks[Control::选择框2] = !ticked;
        ApplyRunChoice(os, ui);
        EXPECT_EQ(ui.checks[Control::选择框2], ticked) << (value ? value : "(missing)");
    }
}

struct ValidateCase {
    const char* input;
    bool valid;
    const char* rewritten;
};

TEST_F(SettingsTest, ValidateIdeDirectoryTable) {
    os.AddFile("D:\\E\\e.exe");
    os.AddFile("D:\\E \\e.exe");
    os.AddFile("\tD:\\E\\e.exe");
    os.AddDirectory("D:\\dir\\e.exe");
    os.AddFile("D:\\\x95\x5C" "e.exe");
    const ValidateCase cases[] = {
        {"D:\\E\\", true, "D:\\E\\"},
        {"D:\\E", true, "D:\\E\\"},
        {"  D:\\E", true, "D:\\E\\"},
        {"\xA1\xA1" "D:\\E", true, "D:\\E\\"},
        {" D:\\E ", true, "D:\\E \\"},  // the trailing blank stays before the backslash
        {"\tD:\\E", true, "\tD:\\E\\"},
        {"D:\\dir", true, "D:\\dir\\"},  // a directory named e.exe counts
        {"D:\\\x95\x5C", true, "D:\\\x95\x5C"},  // trail byte 0x5C: nothing appended
        {"D:\\F", false, "D:\\F\\"},
        {"", false, ""},
        {"   ", false, "   "},
        {"\xA1\xA1 \xA1\xA1", false, "\xA1\xA1 \xA1\xA1"},
    };
    for (const ValidateCase& c : cases) {
        std::string directory = c.input;
        EXPECT_EQ(ValidateIdeDirectory(os, directory), c.valid) << c.input;
        EXPECT_EQ(directory, c.rewritten) << c.input;
    }
}

struct SearchCase {
    const char* name;
    const char* path;     // config key, or null
    const char* install;  // HKCU value, or null
    const char* icon;     // HKCR value, or null
    const char* expected;
};

TEST_F(SettingsTest, SearchTakesTheFirstValidCandidate) {
    os.AddFile("C:\\E\\e.exe");
    os.AddFile("D:\\E\\e.exe");
    os.AddFile("C:\\E\\library\\e.exe");
    os.AddFile("C:\\tools\\rel\\e.exe");
    const SearchCase cases[] = {
        {"nothing anywhere", nullptr, nullptr, nullptr, ""},
        {"path wins", "D:\\E", "C:\\E\\lib", "C:\\E\\e.exe,0", "D:\\E\\"},
        {"invalid path passed over", "D:\\missing", "C:\\E\\lib", nullptr, "C:\\E\\"},
        {"install lower case", nullptr, "C:\\E\\lib", nullptr, "C:\\E\\"},
        {"install upper case", nullptr, "C:\\E\\LIB", nullptr, "C:\\E\\"},
        {"install trailing backslash", nullptr, "C:\\E\\lib\\", nullptr, "C:\\E\\"},
        {"install last lib wins", nullptr, "C:\\E\\library\\lib", nullptr, "C:\\E\\library\\"},
        {"install libs", nullptr, "C:\\E\\libs", nullptr, "C:\\E\\"},
        {"install uncut", nullptr, "C:\\E", nullptr, "C:\\E\\"},
        {"icon with index", nullptr, nullptr, "C:\\E\\e.exe,0", "C:\\E\\"},
        {"icon quoted fails", nullptr, nullptr, "\"C:\\E\\e.exe\",0", ""},
        {"install invalid, icon valid", nullptr, "X:\\lib", "D:\\E\\e.exe", "D:\\E\\"},
        {"relative path", "rel", nullptr, nullptr, "rel\\"},
    };
    for (const SearchCase& c : cases) {
        os.profiles.clear();
        os.registry.clear();
        g_initialIdeDirectory.clear();
        if (c.path) SetKey("path", c.path);
        if (c.install) os.registry[{ide::kInstallRoot, ide::kInstallPath}] = c.install;
        if (c.icon) os.registry[{ide::kIconRoot, ide::kIconPath}] = c.icon;
        if (std::string(c.name) == "relative path") os.AddFile("rel\\e.exe");
        log.clear();
        SearchIdeDirectory(os, ui);
        EXPECT_EQ(g_initialIdeDirectory, c.expected) << c.name;
        EXPECT_EQ(ui.texts[Control::编辑框1], c.expected) << c.name;
        // All three sources are read every time, in order.
        ASSERT_GE(log.size(), 3u) << c.name;
        EXPECT_EQ(log[0], "read setup.path");
        EXPECT_EQ(log[1], std::string("registry ") + ide::kInstallPath);
        EXPECT_EQ(log[2], std::string("registry ") + ide::kIconPath);
    }
}

TEST_F(SettingsTest, BrowseCutsAtTheProgramNameAndRemembersTheChoice) {
    const std::pair<const char*, const char*> cases[] = {
        {"D:\\E\\E.EXE", "D:\\E\\"},
        {"D:\\tools\\make.exe", "D:\\tools\\mak"},
        {"D:\\other.com", "D:\\other.com"},
    };
    for (const auto& [choice, expected] : cases) {
        ui.dialogConfirms = true;
        ui.dialogChoice = choice;
        OnBrowse(ui);
        EXPECT_EQ(ui.texts[Control::编辑框1], expected) << choice;
    }
    EXPECT_EQ(ui.dialogOffered, "D:\\tools\\make.exe");

    ui.dialogConfirms = false;
    ui.texts[Control::编辑框1] = "typed";
    OnBrowse(ui);
    EXPECT_EQ(ui.texts[Control::编辑框1], "typed");
}

TEST_F(SettingsTest, FailedWriteIsSilent) {
    os.profileWritable = false;
    WriteSetting(os, "run", "0");
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(log.back(), "write setup.run=0");
}

}  // namespace
}  // namespace elc
