// The seam between the handlers and the main window's controls. The real
// implementation wraps the form's window handles; host tests use a fake.
#pragma once

#include <string>

namespace elc {

// The form's controls, by their form names.
enum class Control {
    标签2,        // banner
    标签1,        // "易语言目录"
    编辑框1,      // IDE directory
    按钮1,        // browse
    超级列表框1,  // library rows
    选择框1,      // select all
    按钮2,        // copy
    按钮3,        // cancel
    选择框2,      // run the IDE after copying
};

// Place and outer size in client pixels of the main window.
struct Place {
    int left = 0, top = 0, width = 0, height = 0;
    friend bool operator==(const Place&, const Place&) = default;
};

// MessageBoxA flags and answers the handlers use.
inline constexpr unsigned kBoxOk = 0x0;
inline constexpr unsigned kBoxYesNo = 0x4;
inline constexpr unsigned kBoxIconInformation = 0x40;
inline constexpr unsigned kBoxTaskModal = 0x2000;
inline constexpr int kAnswerYes = 6;

// The list view's columns.
inline constexpr int kColumnName = 0;
inline constexpr int kColumnSourceTime = 1;
inline constexpr int kColumnTargetTime = 2;
inline constexpr int kColumnTemplate = 3;
inline constexpr int kColumnSourcePath = 4;

class Ui {
public:
    virtual ~Ui() = default;

    virtual int ClientWidth() = 0;
    virtual int ClientHeight() = 0;
    virtual Place GetPlace(Control c) = 0;
    // Moves and sizes in one step; a negative width or height counts as 0, and a
    // place equal to the current one moves nothing.
    virtual void SetPlace(Control c, Place p) = 0;

    virtual std::string GetText(Control c) = 0;
    virtual void SetText(Control c, const std::string& text) = 0;
    virtual bool IsChecked(Control c) = 0;
    virtual void SetChecked(Control c, bool on) = 0;
    virtual void Focus(Control c) = 0;

    // Rows of 超级列表框1.
    virtual int RowCount() = 0;
    virtual int AppendRow(const std::string& label, int icon, bool checked) = 0;
    virtual void SetCell(int row, int column, const std::string& text) = 0;
    virtual std::string GetCell(int row, int column) = 0;
    virtual void SetRowChecked(int row, bool on) = 0;
    virtual bool IsRowChecked(int row) = 0;
    // Bulk row work: the list stops redrawing until every hold is released, then
    // draws once. Holds nest.
    virtual void HoldListRedraw() = 0;
    virtual void ReleaseListRedraw() = 0;

    // A box without owner; returns the answer.
    virtual int ShowBox(const std::string& text, const std::string& title, unsigned flags) = 0;
    // The open-file dialog 通用对话框1; true and the chosen full path when confirmed.
    virtual bool AskForIdeProgram(std::string& chosen) = 0;
    // Asks for the main window to go away once the current handler has returned.
    virtual void RequestClose() = 0;
};

// Holds the list's redrawing for the life of the object.
class ListRedrawHold {
public:
    explicit ListRedrawHold(Ui& ui) : ui_(ui) { ui_.HoldListRedraw(); }
    ~ListRedrawHold() { ui_.ReleaseListRedraw(); }
    ListRedrawHold(const ListRedrawHold&) = delete;
    ListRedrawHold& operator=(const ListRedrawHold&) = delete;

private:
    Ui& ui_;
};

}  // namespace elc
