#include <gtest/gtest.h>

#include "app/layout.h"
#include "fakes.h"

namespace elc {
namespace {

using test::FakeUi;

TEST(LayoutControls, WorkedExampleForAClientOf494By375) {
    test::Log log;
    FakeUi ui(log);
    LayoutControls(ui);
    EXPECT_EQ(ui.places[Control::按钮1], (Place{426, 86, 60, 24}));
    EXPECT_EQ(ui.places[Control::编辑框1], (Place{80, 88, 338, 20}));
    EXPECT_EQ(ui.places[Control::按钮3], (Place{390, 335, 96, 32}));
    EXPECT_EQ(ui.places[Control::按钮2], (Place{286, 335, 96, 32}));
    EXPECT_EQ(ui.places[Control::选择框1], (Place{8, 335, 56, 16}));
    EXPECT_EQ(ui.places[Control::选择框2], (Place{88, 335, 120, 16}));
    EXPECT_EQ(ui.places[Control::超级列表框1], (Place{8, 119, 478, 208}));
    // The labels keep the form's places.
    EXPECT_EQ(ui.places[Control::标签2], (Place{0, 0, 500, 80}));
    EXPECT_EQ(ui.places[Control::标签1], (Place{8, 88, 64, 20}));
    // A second run with the same size moves nothing.
    const int moves = ui.placeMoves;
    LayoutControls(ui);
    EXPECT_EQ(ui.placeMoves, moves);
}

TEST(LayoutControls, MinimisedWindowClampsSizesAndRestoreGivesThemBack) {
    test::Log log;
    FakeUi ui(log);
    LayoutControls(ui);
    ui.clientWidth = ui.clientHeight = 0;
    LayoutControls(ui);
    EXPECT_EQ(ui.places[Control::按钮1].left, -68);
    EXPECT_EQ(ui.places[Control::编辑框1].width, 0);  // -156 counts as 0
    EXPECT_EQ(ui.places[Control::按钮3].left, -104);
    EXPECT_EQ(ui.places[Control::按钮2].left, -208);
    EXPECT_EQ(ui.places[Control::按钮2].top, -40);
    EXPECT_EQ(ui.places[Control::选择框2].top, -40);
    EXPECT_EQ(ui.places[Control::超级列表框1], (Place{8, 119, 0, 0}));

    ui.clientWidth = 494;
    ui.clientHeight = 375;
    LayoutControls(ui);
    EXPECT_EQ(ui.places[Control::编辑框1], (Place{80, 88, 338, 20}));
    EXPECT_EQ(ui.places[Control::超级列表框1], (Place{8, 119, 478, 208}));
}

}  // namespace
}  // namespace elc
