// A window system without a display: windows and controls are plain records,
// and every request is logged so tests can see what the plug-in asked for.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "panel/window_system.h"

namespace jolvent {

class HeadlessWindowSystem final : public WindowSystem {
public:
  struct Trackbar {
    int selectionStart = 0;
    int selectionEnd = 0;
  };

  struct Window {
    std::map<int, Trackbar> trackbars;
    std::vector<UINT_PTR> timers;
  };

  LRESULT sendItemMessage(HWND dialog, int item, UINT message, WPARAM wParam,
                          LPARAM lParam) override;
  bool killTimer(HWND window, UINT_PTR timer) override;
  bool destroyWindow(HWND window) override;

  // Makes a window for the plug-in to talk to.
  HWND createWindow();
  void startTimer(HWND window, UINT_PTR timer);

  // The window's record, or null once it is destroyed or never existed.
  const Window* window(HWND window) const;

  // One line per request, in order, whatever window it was for, with every
  // argument but the window: "sendItemMessage 1001 TBM_SETSEL 1 0x0168fe98"
  // (item, message, wParam, lParam), "killTimer 1", "destroyWindow".
  const std::vector<std::string>& log() const { return log_; }

private:
  std::map<HWND, Window> windows_;
  std::vector<std::string> log_;
  std::uintptr_t nextWindow_ = 0x1000;
};

}  // namespace jolvent
