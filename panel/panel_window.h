// The control panel: a modeless dialog (template 101) owned by the host's
// main window, created hidden at the first scene notice and kept until the
// module is unloaded.
#pragma once

#include "platform/win32_types.h"

namespace jolvent {

// Width of the rolled-up panel, in pixels; its height is the small caption.
inline constexpr int kRolledUpWidth = 120;
// AutoShade's timer: id and period.
inline constexpr UINT_PTR kRollUpTimerId = 1;
inline constexpr UINT kRollUpPeriod = 100;

// Records mainWindow as the owner and makes the panel, hidden; the dialog's
// set-up runs inside. panelWindow stays null if it cannot be made.
void createPanel(HWND mainWindow);

INT_PTR CALLBACK panelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace jolvent
