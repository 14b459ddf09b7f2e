// The real program's window under Wine, looked at from another process.
#include <gtest/gtest.h>

#include "lab.h"

#include <commctrl.h>

namespace elc::wine {
namespace {

struct ControlCase {
    Index index;
    const char* windowClass;
    const char* text;
    RECT place;  // after the first layout, for a client area of 494 x 375
};

TEST(MainWindow, FormAfterStartUp) {
    Lab lab("form");
    lab.PointRegistryAtIde();
    lab.WriteConfig("[setup]\r\ntitle=易语言支持库安装\r\n");
    WriteBytes(lab.ide + "lib\\a.fne", "older a");
    RunningProgram program(lab.Program());
    ASSERT_TRUE(program.started());
    const HWND window = program.window();

    EXPECT_EQ(WindowText(window), "\xB8\xB4\xD6\xC6\xB5\xBD\xD2\xD7\xD3\xEF\xD1\xD4\xC4\xBF\xC2\xBC");
    RECT outer{};
    GetWindowRect(window, &outer);
    EXPECT_EQ(outer.right - outer.left, 500);
    EXPECT_EQ(outer.bottom - outer.top, 400);
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 500) / 2);
    EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 400) / 2);
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_TRUE(style & WS_SYSMENU);
    RECT client{};
    GetClientRect(window, &client);
    const int w = client.right, h = client.bottom;

    const ControlCase cases[] = {
        {kBanner, "Static", "\r\n\r\n\r\n\r\n              易语言支持库安装", {0, 0, 500, 80}},
        {kLabel, "Static", "易语言目录", {8, 88, 72, 108}},
        {kEdit, "Edit", "", {80, 88, w - 60 - 16, 108}},
        {kBrowse, "Button", "浏览", {w - 68, 86, w - 8, 110}},
        {kList, "SysListView32", "", {8, 119, w - 8, h - 48}},
        {kSelectAll, "Button", "全选", {8, h - 40, 64, h - 24}},
        {kCopy, "Button", "复制", {w - 208, h - 40, w - 112, h - 8}},
        {kCancel, "Button", "取消", {w - 104, h - 40, w - 8, h - 8}},
        {kRunAfter, "Button", "复制后运行易语言", {88, h - 40, 208, h - 24}},
    };
    for (const ControlCase& c : cases) {
        const HWND control = program.Control(c.index);
        ASSERT_NE(control, nullptr) << c.text;
        EXPECT_EQ(ClassOf(control), c.windowClass) << c.index;
        if (c.index != kEdit) {
            EXPECT_EQ(WindowText(control), c.text) << c.index;
        }
        const RECT r = ClientRectOfChild(window, control);
        EXPECT_EQ(r.left, c.place.left) << c.index;
        EXPECT_EQ(r.top, c.place.top) << c.index;
        EXPECT_EQ(r.right, c.place.right) << c.index;
        EXPECT_EQ(r.bottom, c.place.bottom) << c.index;
    }
    EXPECT_EQ(WindowText(program.Control(kEdit)), lab.ide);
    EXPECT_EQ(SendMessageA(program.Control(kRunAfter), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(program.Control(kSelectAll), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_FALSE(GetWindowLongPtrA(program.Control(kBrowse), GWL_STYLE) & BS_DEFPUSHBUTTON);
    EXPECT_FALSE(GetWindowLongPtrA(program.Control(kCopy), GWL_STYLE) & BS_DEFPUSHBUTTON);

    // The list view: columns, extended styles and the rows made at start-up.
    const HWND list = program.Control(kList);
    const auto listStyle = static_cast<DWORD>(GetWindowLongPtrA(list, GWL_STYLE));
    EXPECT_EQ(listStyle & LVS_TYPEMASK, static_cast<DWORD>(LVS_REPORT));
    EXPECT_TRUE(listStyle & LVS_SINGLESEL);
    EXPECT_FALSE(listStyle & (LVS_SORTASCENDING | LVS_SORTDESCENDING | LVS_EDITLABELS));
    const auto ex = static_cast<DWORD>(SendMessageA(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
    const DWORD wanted = LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES |
                         LVS_EX_INFOTIP | LVS_EX_SUBITEMIMAGES;
    EXPECT_EQ(ex & wanted, wanted);
    EXPECT_FALSE(ex & LVS_EX_HEADERDRAGDROP);
    const std::pair<const char*, int> columns[] = {
        {"文件名", 200}, {"修改时间", 100}, {"易中版本", 100}, {"复制目录", 150}, {"完整路径", 0}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(program.ColumnTitle(i), columns[i].first);
        EXPECT_EQ(SendMessageA(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(i), 0), columns[i].second);
    }
    ASSERT_EQ(program.RowCount(), 2);
    EXPECT_EQ(program.Cell(0, 0), "a.fne");
    EXPECT_EQ(program.Cell(1, 0), "b.lib");
    EXPECT_EQ(program.RowIcon(0), 0);
    EXPECT_EQ(program.RowIcon(1), 1);
    EXPECT_EQ(program.Cell(0, 3), "易语言\\lib");
    EXPECT_EQ(program.Cell(1, 3), "易语言\\static_lib");
    EXPECT_EQ(program.Cell(0, 4), lab.app + "a.fne");
    EXPECT_EQ(program.Cell(1, 4), lab.app + "b.lib");
    EXPECT_EQ(program.Cell(0, 1).size(), 14u);  // "yyyymmdd hh:mm"
    EXPECT_EQ(program.Cell(0, 2).size(), 14u);  // an installed copy exists
    EXPECT_EQ(program.Cell(1, 2), "");          // none yet
    EXPECT_TRUE(program.RowChecked(0) && program.RowChecked(1));

    // The focus starts in the edit box.
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    ASSERT_TRUE(GetGUIThreadInfo(program.threadId(), &gui));
    EXPECT_EQ(gui.hwndFocus, program.Control(kEdit));
    Sleep(500);
    CreateDirectoryA((TestProgramDirectory() + "screenshots").c_str(), nullptr);
    EXPECT_TRUE(SaveWindowPicture(window, TestProgramDirectory() + "screenshots\\main.bmp"));

    // Enter in the edit box does nothing: no box, the window stays, nothing copied.
    const HWND edit = program.Control(kEdit);
    PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    PostMessageA(edit, WM_CHAR, '\r', 0x001C0001);
    PostMessageA(edit, WM_KEYUP, VK_RETURN, 0xC01C0001);
    program.Settle();
    EXPECT_EQ(FindMessageBox(program.id()), nullptr);
    EXPECT_FALSE(program.IsWindowGone());
    EXPECT_FALSE(FileExists(lab.ide + "static_lib\\b.lib"));

    // Escape closes and the program ends with 0.
    PostMessageA(edit, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    EXPECT_EQ(program.WaitForExit(), 0);
    EXPECT_FALSE(FileExists(lab.app + "config.ini.bak"));
    EXPECT_EQ(ReadBytes(lab.app + "config.ini"), "[setup]\r\ntitle=易语言支持库安装\r\n");
}

TEST(MainWindow, CancelCloseBoxAndCurrentDirectory) {
    Lab lab("close");
    // Started from another current directory, the program still finds its files.
    RunningProgram cancel(lab.Program(), lab.root);
    ASSERT_TRUE(cancel.started());
    EXPECT_EQ(cancel.RowCount(), 2);
    cancel.ClickControl(kCancel);
    EXPECT_EQ(cancel.WaitForExit(), 0);

    RunningProgram closeBox(lab.Program());
    ASSERT_TRUE(closeBox.started());
    PostMessageA(closeBox.window(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(closeBox.WaitForExit(), 0);
    EXPECT_FALSE(FileExists(lab.app + "config.ini"));  // closing writes nothing
}

struct FoundCase {
    const char* name;
    int source;  // 0: config path, 1: install entry, 2: icon entry
};

TEST(MainWindow, EditBoxShowsTheDirectoryFound) {
    const FoundCase cases[] = {{"path", 0}, {"install entry", 1}, {"icon entry", 2}};
    for (const FoundCase& c : cases) {
        Lab lab("found");
        std::string ide = lab.ide;
        ide.pop_back();
        if (c.source == 0) lab.WriteConfig("[setup]\r\npath=" + ide + "\r\n");
        if (c.source == 1) SetRegistryDefault(HKEY_CURRENT_USER, kInstallKey, ide + "\\LIB\\");
        if (c.source == 2) SetRegistryDefault(HKEY_CLASSES_ROOT, kIconKey, ide + "\\e.exe,0");
        RunningProgram program(lab.Program());
        ASSERT_TRUE(program.started()) << c.name;
        EXPECT_EQ(WindowText(program.Control(kEdit)), lab.ide) << c.name;
        program.ClickControl(kCancel);
        EXPECT_EQ(program.WaitForExit(), 0) << c.name;
    }
}

TEST(MainWindow, BannerWithoutTitleAndRunChoiceFromConfig) {
    Lab lab("banner");
    lab.WriteConfig("[setup]\r\nrun=0\r\n");
    RunningProgram program(lab.Program());
    ASSERT_TRUE(program.started());
    EXPECT_EQ(WindowText(program.Control(kBanner)), "\r\n\r\n\r\n\r\n              ");
    EXPECT_EQ(SendMessageA(program.Control(kRunAfter), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(WindowText(program.Control(kEdit)), "");
    // Select-all clears and ticks every row.
    program.ClickControl(kSelectAll);
    program.Settle();
    EXPECT_FALSE(program.RowChecked(0) || program.RowChecked(1));
    program.ClickControl(kSelectAll);
    program.Settle();
    EXPECT_TRUE(program.RowChecked(0) && program.RowChecked(1));
}

}  // namespace
}  // namespace elc::wine
