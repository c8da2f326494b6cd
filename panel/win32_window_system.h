// Forwards each window-system request to Win32 unchanged.
#pragma once

#include "panel/window_system.h"

namespace jolvent {

class Win32WindowSystem final : public WindowSystem {
public:
  LRESULT sendItemMessage(HWND dialog, int item, UINT message, WPARAM wParam,
                          LPARAM lParam) override;
  bool killTimer(HWND window, UINT_PTR timer) override;
  bool destroyWindow(HWND window) override;
};

}  // namespace jolvent
