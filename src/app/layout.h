#pragma once

#include "app/ui.h"

namespace elc {

// Size-changed handler: buttons and check boxes keep 8-pixel margins from the
// right and bottom edges; the edit box and the list stretch between them. A value
// written by an earlier step is read back by a later one, so the order matters.
void LayoutControls(Ui& ui);

}  // namespace elc
