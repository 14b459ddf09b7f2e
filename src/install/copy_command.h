// The Copy button: installs the ticked library files into the IDE.
#pragma once

#include "app/ui.h"
#include "platform/os.h"

namespace elc {

// Click of 按钮2.
void OnCopy(Os& os, Ui& ui);

}  // namespace elc
