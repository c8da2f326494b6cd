// Finding the windows over the workbench's main window: the plug-in's panel,
// the dialogs and message boxes over it, the workbench's Plug-ins window.
#pragma once

#include <windows.h>

#include <vector>

namespace jolvent::workbench {

// A message box's text is the static with the highest 16-bit id.
inline constexpr int kMessageBoxTextId = 0xFFFF;

// This thread's visible top-level windows, main window included.
std::vector<HWND> visibleWindows();
// The visible windows owner owns: the panel, the Plug-ins window.
std::vector<HWND> ownedWindows(HWND owner);
// Brings the windows owner owns above it again. Wine without a window
// manager can leave them under it once it is activated again, as after the
// Joint Value Setting dialog; Windows keeps owned windows above their owner.
void restackOwnedWindows(HWND owner);

// The plug-in's panel: a dialog owned by the main window, or null.
HWND panelOf(HWND main);
// The Joint Value Setting dialog over the panel, else any other dialog.
HWND dialogOverPanel(HWND main);
// A message box over the panel or its dialog, or null.
HWND messageBoxOverPanel(HWND main);
// A message box owner owns, or null.
HWND messageBoxOwnedBy(HWND owner);
// The innermost modal dialog over the main window: a message box, the Joint
// Value Setting dialog, a file dialog; or null.
HWND modalDialogOver(HWND main);

}  // namespace jolvent::workbench
