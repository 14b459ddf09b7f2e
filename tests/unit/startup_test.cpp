#include <gtest/gtest.h>

#include "app/startup.h"
#include "fakes.h"
#include "settings/settings.h"

namespace elc {
namespace {

using test::FakeOs;
using test::FakeUi;

// Records each step with whether handlers could have run at that moment.
class FakeForm : public FormBuilder {
public:
    explicit FakeForm(test::Log& log) : log_(log) {}
    bool windowFails = false, controlsFail = false;

    bool CreateHiddenWindow() override { return Step("window", !windowFails); }
    bool CreateControls() override { return Step("controls", !controlsFail); }
    void NotifyMoved() override { Step("moved", true); }
    void ShowAndFocus() override { Step("show", true); }

private:
    bool Step(const char* name, bool result) {
        log_.push_back(std::string(name) + (HandlersMayRun() ? "" : " (held)"));
        return result;
    }
    test::Log& log_;
};

class StartupTest : public testing::Test {
protected:
    void TearDown() override { ReleaseGlobalTexts(); }
    test::Log log;
    FakeOs os{log};
    FakeUi ui{log};
    FakeForm form{log};
};

TEST_F(StartupTest, CreationSequenceRunsInItsFixedOrder) {
    os.moduleFileName = "C:\\s\\elibcopy.exe";
    os.profiles["C:\\s\\config.ini"] = {{"title", "T"}, {"run", "0"}, {"path", "C:\\E"}};
    os.AddFile("C:\\E\\e.exe");
    os.listings["C:\\s\\*.fne"] = {{"a.fne", false}};
    os.AddFile("C:\\s\\a.fne");

    ASSERT_TRUE(RunCreationSequence(form, os, ui));

    const test::Log expected = {
        "window (held)", "controls (held)",
        "read setup.title", "read setup.run", "read setup.path",
        "registry Software\\FlySky\\E\\Install\\", "registry E.Document\\DefaultIcon\\",
        "exists C:\\E\\e.exe",
        "list C:\\s\\*.fne", "list C:\\s\\*.lib",
        "exists C:\\E\\e.exe",  // the refresh normalises the edit box's directory
        "times C:\\s\\a.fne", "exists C:\\E\\lib\\a.fne",
        "moved", "show"};
    EXPECT_EQ(log, expected);
    EXPECT_TRUE(HandlersMayRun());
    EXPECT_EQ(ui.texts[Control::标签2], "\r\n\r\n\r\n\r\n              T");
    EXPECT_FALSE(ui.checks[Control::选择框2]);
    EXPECT_EQ(ui.texts[Control::编辑框1], "C:\\E\\");
    ASSERT_EQ(ui.rows.size(), 1u);
    EXPECT_TRUE(ui.rows[0].checked);
    // The first layout ran before the window was shown.
    EXPECT_EQ(ui.places[Control::超级列表框1], (Place{8, 119, 478, 208}));
    EXPECT_EQ(g_settingsPath, "C:\\s\\config.ini");
    EXPECT_EQ(g_initialIdeDirectory, "C:\\E\\");
}

TEST_F(StartupTest, AWindowThatCannotBeBuiltRunsNothingElse) {
    for (bool windowFails : {true, false}) {
        log.clear();
        form.windowFails = windowFails;
        form.controlsFail = !windowFails;
        EXPECT_FALSE(RunCreationSequence(form, os, ui));
        EXPECT_TRUE(HandlersMayRun()) << "the hold is lifted on the way out";
        EXPECT_EQ(log.back(), windowFails ? "window (held)" : "controls (held)");
        EXPECT_TRUE(g_settingsPath.empty());
    }
}

TEST_F(StartupTest, NoSettingsNoIdeNoLibrariesGiveDefaults) {
    ui.checks[Control::选择框2] = false;
    ASSERT_TRUE(RunCreationSequence(form, os, ui));
    EXPECT_EQ(ui.texts[Control::标签2], "\r\n\r\n\r\n\r\n              ");
    EXPECT_TRUE(ui.checks[Control::选择框2]);
    EXPECT_EQ(ui.texts[Control::编辑框1], "");
    EXPECT_TRUE(ui.rows.empty());
    EXPECT_TRUE(ui.boxes.empty());
    ReleaseGlobalTexts();
    EXPECT_TRUE(g_settingsPath.empty() && g_initialIdeDirectory.empty());
}

}  // namespace
}  // namespace elc
