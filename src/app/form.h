// The main window: its controls, the event table and the message loop.
#pragma once

namespace elc {

// Builds the window, runs the message loop and returns the process's exit code.
int RunMainWindow();

}  // namespace elc
