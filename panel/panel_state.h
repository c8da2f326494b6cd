// The panel's window state: its window and owner, whether it is shown, its
// full size, AutoShade's timer, the last good text of a value box and the
// guard against the host's echo of the panel's own changes. One instance,
// alive from module load to unload, touched only on the host's
// user-interface thread.
#pragma once

#include "platform/win32_types.h"

namespace jolvent {

// A value box takes this many characters; texts are read back with room for
// as many and the terminating zero.
inline constexpr int kBoxTextLimit = 11;
inline constexpr int kBoxTextSize = kBoxTextLimit + 1;

struct PanelState {
  bool panelPending = true;  // until the first scene notice has created the panel
  HWND panelWindow = nullptr;
  HWND hostMainWindow = nullptr;       // the panel's owner
  HINSTANCE moduleInstance = nullptr;  // the dialog resources come from it
  bool panelVisible = false;
  int panelWidth = 0;  // the full size, measured at set-up
  int panelHeight = 0;
  unsigned int rollUpTimer = 0;  // 0: not running
  // A box's text when it got the focus or the program last set it.
  char lastEditText[kBoxTextSize] = {};
  // The panel is applying its own change to the joint: the host's notice of
  // that change is not followed.
  bool tracking = false;
};

PanelState& panelState();

// Back to the values at module load; for tests, which load the panel's code
// more than once per process.
void resetPanelState();

}  // namespace jolvent
