#include "app/startup.h"

#include "app/layout.h"
#include "library_list/library_list.h"
#include "settings/settings.h"

namespace elc {

int g_eventHold = 0;

namespace {
// Lifts the hold on every path out of the construction.
struct EventHold {
    EventHold() { ++g_eventHold; }
    ~EventHold() { --g_eventHold; }
    EventHold(const EventHold&) = delete;
    EventHold& operator=(const EventHold&) = delete;
};
}  // namespace

bool RunCreationSequence(FormBuilder& form, Os& os, Ui& ui) {
    {
        EventHold hold;
        if (!form.CreateHiddenWindow() || !form.CreateControls()) return false;
    }
    OnCreate(os, ui);
    form.NotifyMoved();
    LayoutControls(ui);
    form.ShowAndFocus();
    return true;
}

void OnCreate(Os& os, Ui& ui) {
    InitSettingsPath(os);
    ApplyBannerTitle(os, ui);
    ApplyRunChoice(os, ui);
    SearchIdeDirectory(os, ui);
    LoadLibraryFiles(os, ui);
}

void ReleaseGlobalTexts() {
    std::string().swap(g_settingsPath);
    std::string().swap(g_initialIdeDirectory);
}

}  // namespace elc
