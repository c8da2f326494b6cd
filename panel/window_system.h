// The one seam through which the plug-in speaks to the window system.
//
// Shaped like the Win32 calls the panel needs. The Windows build forwards each
// call to Win32; the native build answers them headlessly so that the panel's
// decisions can be tested without a display.
#pragma once

#include "platform/win32_types.h"

namespace jolvent {

class WindowSystem {
public:
  virtual ~WindowSystem() = default;

  // SendDlgItemMessage: a message to control item of dialog. A null dialog
  // has no effect and answers 0.
  virtual LRESULT sendItemMessage(HWND dialog, int item, UINT message, WPARAM wParam,
                                  LPARAM lParam) = 0;
  virtual bool killTimer(HWND window, UINT_PTR timer) = 0;
  virtual bool destroyWindow(HWND window) = 0;
};

// The implementation the module uses: Win32 on Windows, headless natively.
WindowSystem& windowSystem();

// Puts another implementation in place; null restores the default. The caller
// keeps ownership and must restore the default before destroying it.
void setWindowSystem(WindowSystem* replacement);

}  // namespace jolvent
