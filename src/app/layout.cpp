#include "app/layout.h"

namespace elc {
namespace {

constexpr int kMargin = 8;

void SetLeft(Ui& ui, Control c, int left) {
    Place p = ui.GetPlace(c);
    p.left = left;
    ui.SetPlace(c, p);
}

void SetTop(Ui& ui, Control c, int top) {
    Place p = ui.GetPlace(c);
    p.top = top;
    ui.SetPlace(c, p);
}

void SetWidth(Ui& ui, Control c, int width) {
    Place p = ui.GetPlace(c);
    p.width = width;
    ui.SetPlace(c, p);
}

}  // namespace

void LayoutControls(Ui& ui) {
    int w = ui.ClientWidth();
    SetLeft(ui, Control::按钮1, w - ui.GetPlace(Control::按钮1).width - kMargin);
    SetWidth(ui, Control::编辑框1,
             ui.GetPlace(Control::按钮1).left - ui.GetPlace(Control::编辑框1).left - kMargin);

    w = ui.ClientWidth();
    SetLeft(ui, Control::按钮3, w - ui.GetPlace(Control::按钮3).width - kMargin);
    SetLeft(ui, Control::按钮2,
            ui.GetPlace(Control::按钮3).left - ui.GetPlace(Control::按钮2).width - kMargin);

    const int top = ui.ClientHeight() - ui.GetPlace(Control::按钮2).height - kMargin;
    for (Control c : {Control::按钮2, Control::按钮3, Control::选择框1, Control::选择框2})
        SetTop(ui, c, top);

    w = ui.ClientWidth();
    const Place list = ui.GetPlace(Control::超级列表框1);
    ui.SetPlace(Control::超级列表框1,
                {kMargin, list.top, w - 2 * kMargin,
                 ui.GetPlace(Control::按钮2).top - list.top - kMargin});
}

}  // namespace elc
