#include "panel/win32_window_system.h"

namespace jolvent {

LRESULT Win32WindowSystem::sendItemMessage(HWND dialog, int item, UINT message,
                                           WPARAM wParam, LPARAM lParam) {
  return SendDlgItemMessageA(dialog, item, message, wParam, lParam);
}

bool Win32WindowSystem::killTimer(HWND window, UINT_PTR timer) {
  return KillTimer(window, timer) != FALSE;
}

bool Win32WindowSystem::destroyWindow(HWND window) {
  return DestroyWindow(window) != FALSE;
}

}  // namespace jolvent
