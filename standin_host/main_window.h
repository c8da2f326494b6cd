// The scene's main window.
//
// On Windows it is a real top-level window of the stand-in's own class,
// never shown, so that the panel can be owned by it and can disable and focus
// it as it would the host's; it is made at the first request and destroyed
// with its owner. Natively it is a fixed handle that names no window.
#pragma once

#include "platform/win32_types.h"

namespace jolvent::standin {

class MainWindow {
public:
  MainWindow() = default;
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  HWND handle();

private:
  HWND window_ = nullptr;
};

}  // namespace jolvent::standin
