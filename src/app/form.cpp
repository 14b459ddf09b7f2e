#include "app/form.h"

#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>

#include <string>
#include <vector>

#include "app/jpeg_decode.h"
#include "app/layout.h"
#include "app/startup.h"
#include "app/ui.h"
#include "install/copy_command.h"
#include "library_list/library_list.h"
#include "platform/os_win32.h"
#include "platform/win32_handles.h"
#include "resources/resource_ids.h"
#include "settings/settings.h"

namespace elc {
namespace {

constexpr char kWindowClass[] = "ElibCopyMainWindow";
constexpr char kCaption[] = "复制到易语言目录";
constexpr char kProgramIcon[] = "DEFAULT_ICON";
constexpr int kWindowWidth = 500;
constexpr int kWindowHeight = 400;
// Posted by the close request; destroys the window without asking anyone.
constexpr UINT kCloseRequest = WM_APP + 1;
constexpr int kFirstControlId = 1001;

struct ControlSpec {
    Control name;
    const char* windowClass;
    const char* text;
    DWORD style;
    DWORD exStyle;
    Place place;
};

// The form's controls in creation order; creation order is also the tab order.
const ControlSpec kControls[] = {
    {Control::标签2, "Static", "\r\n\r\n\r\n\r\n              %s", SS_OWNERDRAW, 0, {0, 0, 500, 80}},
    {Control::标签1, "Static", "易语言目录", SS_OWNERDRAW, 0, {8, 88, 64, 20}},
    {Control::编辑框1, "Edit", "", ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE,
     {80, 88, 216, 20}},
    {Control::按钮1, "Button", "浏览",
     BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER | WS_TABSTOP, 0, {304, 86, 60, 24}},
    {Control::超级列表框1, WC_LISTVIEWA, "", LVS_REPORT | LVS_SINGLESEL | WS_TABSTOP,
     WS_EX_CLIENTEDGE, {8, 119, 352, 64}},
    {Control::选择框1, "Button", "全选",
     BS_AUTOCHECKBOX | BS_MULTILINE | BS_LEFT | BS_VCENTER | WS_TABSTOP, 0, {8, 200, 56, 16}},
    {Control::按钮2, "Button", "复制",
     BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER | WS_TABSTOP, 0, {136, 232, 96, 32}},
    {Control::按钮3, "Button", "取消",
     BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER | WS_TABSTOP, 0, {264, 232, 96, 32}},
    {Control::选择框2, "Button", "复制后运行易语言",
     BS_AUTOCHECKBOX | BS_MULTILINE | BS_LEFT | BS_VCENTER | WS_TABSTOP, 0, {88, 200, 120, 16}},
};
constexpr int kControlCount = static_cast<int>(sizeof kControls / sizeof kControls[0]);

struct ColumnSpec {
    const char* title;
    int width;
};
const ColumnSpec kColumns[] = {
    {"文件名", 200}, {"修改时间", 100}, {"易中版本", 100}, {"复制目录", 150}, {"完整路径", 0},
};

int IdOf(Control c) { return kFirstControlId + static_cast<int>(c); }

// The controls of the one main window, as the handlers see them.
class Win32Ui final : public Ui {
public:
    HWND window = nullptr;
    HWND controls[kControlCount] = {};
    std::string chosenProgram;  // offered again the next time the dialog opens

    HWND Get(Control c) const { return controls[static_cast<int>(c)]; }

    int ClientWidth() override { return ClientRect().right; }
    int ClientHeight() override { return ClientRect().bottom; }

    Place GetPlace(Control c) override {
        RECT r{};
        GetWindowRect(Get(c), &r);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
        return {r.left, r.top, r.right - r.left, r.bottom - r.top};
    }

    void SetPlace(Control c, Place p) override {
        if (p.width < 0) p.width = 0;
        if (p.height < 0) p.height = 0;
        if (p == GetPlace(c)) return;
        SetWindowPos(Get(c), nullptr, p.left, p.top, p.width, p.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }

    std::string GetText(Control c) override {
        const HWND h = Get(c);
        std::vector<char> buffer(static_cast<std::size_t>(GetWindowTextLengthA(h)) + 1);
        const int length = GetWindowTextA(h, buffer.data(), static_cast<int>(buffer.size()));
        return std::string(buffer.data(), static_cast<std::size_t>(length > 0 ? length : 0));
    }

    void SetText(Control c, const std::string& text) override {
        SetWindowTextA(Get(c), text.c_str());
    }

    bool IsChecked(Control c) override {
        return SendMessageA(Get(c), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }

    void SetChecked(Control c, bool on) override {
        SendMessageA(Get(c), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
    }

    void Focus(Control c) override { SetFocus(Get(c)); }

    int RowCount() override {
        return static_cast<int>(SendMessageA(List(), LVM_GETITEMCOUNT, 0, 0));
    }

    int AppendRow(const std::string& label, int icon, bool checked) override {
        LVITEMA item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_STATE;
        item.iItem = RowCount();
        item.pszText = const_cast<char*>(label.c_str());
        item.iImage = icon;
        item.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
        item.stateMask = LVIS_STATEIMAGEMASK;
        return static_cast<int>(
            SendMessageA(List(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    }

    void SetCell(int row, int column, const std::string& text) override {
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = const_cast<char*>(text.c_str());
        SendMessageA(List(), LVM_SETITEMTEXTA, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&item));
    }

    std::string GetCell(int row, int column) override {
        // Grow the buffer until the whole text fits.
        for (std::size_t size = 512;; size *= 2) {
            std::vector<char> buffer(size);
            LVITEMA item{};
            item.iSubItem = column;
            item.pszText = buffer.data();
            item.cchTextMax = static_cast<int>(size);
            const auto length = static_cast<std::size_t>(SendMessageA(
                List(), LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
            if (length + 1 < size || size >= (1u << 20)) return std::string(buffer.data(), length);
        }
    }

    void SetRowChecked(int row, bool on) override {
        LVITEMA item{};
        item.state = INDEXTOSTATEIMAGEMASK(on ? 2 : 1);
        item.stateMask = LVIS_STATEIMAGEMASK;
        SendMessageA(List(), LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&item));
    }

    bool IsRowChecked(int row) override {
        const auto state = static_cast<UINT>(
            SendMessageA(List(), LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK));
        return (state & LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2);
    }

    void HoldListRedraw() override {
        if (listHolds_++ == 0) SendMessageA(List(), WM_SETREDRAW, FALSE, 0);
    }

    void ReleaseListRedraw() override {
        if (--listHolds_ != 0) return;
        SendMessageA(List(), WM_SETREDRAW, TRUE, 0);
        InvalidateRect(List(), nullptr, TRUE);
    }

    int ShowBox(const std::string& text, const std::string& title, unsigned flags) override {
        return MessageBoxA(nullptr, text.c_str(), title.c_str(), flags);
    }

    bool AskForIdeProgram(std::string& chosen) override {
        static const char kFilter[] = "易语言程序(e.exe)\0e.exe\0";
        std::vector<char> file(32768, '\0');
        chosenProgram.copy(file.data(), file.size() - 1);
        OPENFILENAMEA dialog{};
        dialog.lStructSize = sizeof dialog;
        dialog.hwndOwner = window;
        dialog.lpstrFilter = kFilter;
        dialog.nFilterIndex = 1;
        dialog.lpstrFile = file.data();
        dialog.nMaxFile = static_cast<DWORD>(file.size());
        dialog.Flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST |
                       OFN_OVERWRITEPROMPT | OFN_EXPLORER;
        if (!GetOpenFileNameA(&dialog)) return false;
        chosenProgram = file.data();
        chosen = chosenProgram;
        return true;
    }

    void RequestClose() override { PostMessageA(window, kCloseRequest, 0, 0); }

private:
    HWND List() const { return Get(Control::超级列表框1); }
    int listHolds_ = 0;
    RECT ClientRect() const {
        RECT r{};
        GetClientRect(window, &r);
        return r;
    }
};

Win32Os g_os;
Win32Ui g_ui;

// A label's caption in black over whatever is already drawn.
void DrawCaption(const DRAWITEMSTRUCT& item, UINT format) {
    const int length = GetWindowTextLengthA(item.hwndItem);
    std::vector<char> text(static_cast<std::size_t>(length) + 1);
    GetWindowTextA(item.hwndItem, text.data(), length + 1);
    ScopedSelect font(item.hDC, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, RGB(0, 0, 0));
    RECT r = item.rcItem;
    DrawTextA(item.hDC, text.data(), -1, &r, format);
}

// The banner picture, decoded from the program's resources when first drawn.
class Banner {
public:
    ~Banner() {
        if (brush_) DeleteObject(brush_);
        if (bitmap_) DeleteObject(bitmap_);
    }

    void Draw(const DRAWITEMSTRUCT& item) {
        if (!tried_) Load();
        HBRUSH fill = brush_ ? brush_ : GetSysColorBrush(COLOR_BTNFACE);
        // Tiles start at the label's top-left corner.
        SetBrushOrgEx(item.hDC, 0, 0, nullptr);
        FillRect(item.hDC, &item.rcItem, fill);
        DrawCaption(item, DT_WORDBREAK | DT_LEFT | DT_TOP);
    }

private:
    void Load() {
        tried_ = true;
        const HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(ELC_BANNER_JPEG),
                                          MAKEINTRESOURCEA(10));  // RT_RCDATA
        if (!found) return;
        const HGLOBAL loaded = LoadResource(nullptr, found);
        const auto* data = static_cast<const unsigned char*>(LockResource(loaded));
        RgbPicture picture;
        if (!DecodeJpeg(data, SizeofResource(nullptr, found), picture)) return;
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = picture.width;
        info.bmiHeader.biHeight = -picture.height;  // top-down rows
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (!bitmap_ || !bits) return;
        auto* out = static_cast<unsigned char*>(bits);
        const std::size_t pixels = picture.pixels.size() / 3;
        for (std::size_t i = 0; i < pixels; ++i) {
            out[i * 4 + 0] = picture.pixels[i * 3 + 2];
            out[i * 4 + 1] = picture.pixels[i * 3 + 1];
            out[i * 4 + 2] = picture.pixels[i * 3 + 0];
            out[i * 4 + 3] = 0;
        }
        brush_ = CreatePatternBrush(bitmap_);
    }

    bool tried_ = false;
    HBITMAP bitmap_ = nullptr;
    HBRUSH brush_ = nullptr;
};

Banner g_banner;

void DrawLabel(const DRAWITEMSTRUCT& item) {
    if (item.hwndItem == g_ui.Get(Control::标签2)) return g_banner.Draw(item);
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    DrawCaption(item, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
}

HICON LoadIconOfSize(const char* name, int size) {
    return static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

void SetUpList(HWND list) {
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                 LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_INFOTIP |
                     LVS_EX_SUBITEMIMAGES);
    for (int i = 0; i < static_cast<int>(sizeof kColumns / sizeof kColumns[0]); ++i) {
        LVCOLUMNA column{};
        column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.fmt = LVCFMT_LEFT;
        column.cx = kColumns[i].width;
        column.pszText = const_cast<char*>(kColumns[i].title);
        column.iSubItem = i;
        SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&column));
    }
    // The list view owns the image list and destroys it with itself.
    HIMAGELIST icons = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 2, 0);
    for (int id : {ELC_ICON_FNE, ELC_ICON_LIB}) {
        const HICON icon = LoadIconOfSize(MAKEINTRESOURCEA(id), 16);
        ImageList_AddIcon(icons, icon);
        if (icon) DestroyIcon(icon);
    }
    SendMessageA(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(icons));
}

// Builds the form for the creation sequence.
class Win32Form final : public FormBuilder {
public:
    bool CreateHiddenWindow() override {
        const HINSTANCE instance = GetModuleHandleA(nullptr);
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = WindowProc;
        wc.hInstance = instance;
        wc.hIcon = LoadIconOfSize(kProgramIcon, GetSystemMetrics(SM_CXICON));
        wc.hIconSm = LoadIconOfSize(kProgramIcon, GetSystemMetrics(SM_CXSMICON));
        wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = kWindowClass;
        if (!RegisterClassExA(&wc)) return false;
        const int left = (GetSystemMetrics(SM_CXSCREEN) - kWindowWidth) / 2;
        const int top = (GetSystemMetrics(SM_CYSCREEN) - kWindowHeight) / 2;
        g_ui.window = CreateWindowExA(WS_EX_CONTROLPARENT, kWindowClass, kCaption,
                                      WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                                      left, top, kWindowWidth, kWindowHeight, nullptr, nullptr,
                                      instance, nullptr);
        if (!g_ui.window) return false;
        RECT r{};
        GetWindowRect(g_ui.window, &r);
        if (r.right - r.left != kWindowWidth || r.bottom - r.top != kWindowHeight)
            SetWindowPos(g_ui.window, nullptr, 0, 0, kWindowWidth, kWindowHeight,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return true;
    }

    bool CreateControls() override {
        const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
        SendMessageA(g_ui.window, WM_SETFONT, font, FALSE);
        for (const ControlSpec& entry : kControls) {
            const HWND h = CreateWindowExA(
                entry.exStyle, entry.windowClass, entry.text, WS_CHILD | WS_VISIBLE | entry.style,
                entry.place.left, entry.place.top, entry.place.width, entry.place.height, g_ui.window,
                reinterpret_cast<HMENU>(static_cast<INT_PTR>(IdOf(entry.name))),
                GetModuleHandleA(nullptr), nullptr);
            if (!h) return false;
            g_ui.controls[static_cast<int>(entry.name)] = h;
            SendMessageA(h, WM_SETFONT, font, FALSE);
        }
        SendMessageA(g_ui.Get(Control::编辑框1), EM_SETLIMITTEXT, 0, 0);
        SetUpList(g_ui.Get(Control::超级列表框1));
        g_ui.SetChecked(Control::选择框1, true);
        g_ui.SetChecked(Control::选择框2, true);
        return true;
    }

    void NotifyMoved() override {
        // Nothing is bound to the move notification; it is raised for completeness.
        RECT r{};
        GetWindowRect(g_ui.window, &r);
        SendMessageA(g_ui.window, WM_MOVE, 0, MAKELPARAM(r.left, r.top));
    }

    void ShowAndFocus() override {
        ShowWindow(g_ui.window, SW_SHOW);
        g_ui.Focus(Control::编辑框1);
    }

private:
    static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
};

HWND g_lastFocus = nullptr;

void OnCommand(int id, int code) {
    if (code != BN_CLICKED) return;
    if (id == IdOf(Control::按钮1)) OnBrowse(g_ui);
    else if (id == IdOf(Control::按钮2)) OnCopy(g_os, g_ui);
    else if (id == IdOf(Control::按钮3)) g_ui.RequestClose();
    else if (id == IdOf(Control::选择框1)) ApplySelectAll(g_ui);
}

LRESULT CALLBACK Win32Form::WindowProc(HWND hwnd, UINT message, WPARAM wp, LPARAM lp) {
    switch (message) {
    case WM_DRAWITEM:
        // Drawing is not an event of the program: the labels paint even under the hold.
        DrawLabel(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
        return TRUE;
    case WM_SIZE:
        if (HandlersMayRun() && g_ui.window) LayoutControls(g_ui);
        return 0;
    case WM_COMMAND:
        if (HandlersMayRun()) OnCommand(LOWORD(wp), HIWORD(wp));
        return 0;
    case WM_ACTIVATE:
        // Give the focus back to the control that had it last.
        if (LOWORD(wp) == WA_INACTIVE) {
            g_lastFocus = GetFocus();
        } else if (g_lastFocus && IsChild(hwnd, g_lastFocus)) {
            SetFocus(g_lastFocus);
            return 0;
        }
        break;
    case kCloseRequest:
        DestroyWindow(hwnd);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        g_ui.window = nullptr;
        break;
    }
    return DefWindowProcA(hwnd, message, wp, lp);
}

// Escape closes the window from any control; Enter presses nothing.
bool HandleWindowKeys(const MSG& msg) {
    if (!g_ui.window || (msg.hwnd != g_ui.window && !IsChild(g_ui.window, msg.hwnd))) return false;
    const bool key = msg.message == WM_KEYDOWN || msg.message == WM_KEYUP ||
                     msg.message == WM_CHAR;
    if (!key) return false;
    if (msg.wParam == VK_ESCAPE) {  // the key and its character alike
        if (msg.message == WM_KEYDOWN) SendMessageA(g_ui.window, WM_CLOSE, 0, 0);
        return true;
    }
    return msg.wParam == VK_RETURN;  // the key and its character alike
}

}  // namespace

int RunMainWindow() {
    INITCOMMONCONTROLSEX common{sizeof common, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&common);

    Win32Form form;
    if (!RunCreationSequence(form, g_os, g_ui)) {
        MessageBoxA(nullptr, "无法创建主窗口,程序将退出。", "错误", MB_OK | MB_ICONERROR);
        return 1;
    }
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (HandleWindowKeys(msg)) continue;
        if (g_ui.window && IsDialogMessageA(g_ui.window, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

}  // namespace elc
