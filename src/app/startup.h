// The life of the main window from construction to first show, and the creation
// handler that runs the start-up steps in their fixed order.
#pragma once

#include "app/ui.h"
#include "platform/os.h"

namespace elc {

// Non-zero while the window and its controls are being built: no handler runs
// then, and notifications arriving meanwhile are dropped.
extern int g_eventHold;
inline bool HandlersMayRun() { return g_eventHold == 0; }

// What building the window takes; the Win32 form implements it.
class FormBuilder {
public:
    virtual ~FormBuilder() = default;
    virtual bool CreateHiddenWindow() = 0;  // centred, 500 x 400
    virtual bool CreateControls() = 0;      // in creation order
    virtual void NotifyMoved() = 0;
    virtual void ShowAndFocus() = 0;        // SW_SHOW, focus to 编辑框1
};

// Builds the window under the event hold, runs the creation handler and the
// first layout, then shows it. False when the window could not be built; then
// nothing else has run.
bool RunCreationSequence(FormBuilder& form, Os& os, Ui& ui);

// The creation handler: settings, IDE directory search, library rows.
void OnCreate(Os& os, Ui& ui);

// Releases the two global texts; run once at the orderly exit.
void ReleaseGlobalTexts();

}  // namespace elc
