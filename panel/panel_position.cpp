#include "panel/panel_position.h"

#include "panel/panel_state.h"
#include "window_system/window_system.h"

namespace jolvent {

std::uint32_t fittedPosition(std::uint32_t stored, ScreenSize screen, int panelWidth,
                             int panelHeight) {
  if (positionX(stored) <= screen.width - panelWidth &&
      positionY(stored) <= screen.height - panelHeight) {
    return stored;
  }
  return packPosition(screen.width / 2 - panelWidth / 2,
                      screen.height / 2 - panelHeight / 2);
}

std::uint32_t readPanelPosition() {
  WindowSystem& windows = windowSystem();
  std::uint32_t stored = kNoPosition;
  HKEY key = nullptr;
  if (windows.openKey(HKEY_CURRENT_USER, kPositionKey, KEY_READ, &key) == ERROR_SUCCESS) {
    DWORD value = 0;
    DWORD size = sizeof value;
    // The value's type is not looked at: four bytes are a position.
    if (windows.queryValue(key, kPositionValue, nullptr, reinterpret_cast<BYTE*>(&value),
                           &size) == ERROR_SUCCESS) {
      stored = value;
    }
    windows.closeKey(key);
  }
  const PanelState& state = panelState();
  const ScreenSize screen{windows.systemMetric(SM_CXSCREEN),
                          windows.systemMetric(SM_CYSCREEN)};
  return fittedPosition(stored, screen, state.panelWidth, state.panelHeight);
}

void writePanelPosition(std::uint32_t packed) {
  WindowSystem& windows = windowSystem();
  HKEY key = nullptr;
  if (windows.openKey(HKEY_CURRENT_USER, kPositionKey, KEY_WRITE, &key) !=
          ERROR_SUCCESS &&
      windows.createKey(HKEY_CURRENT_USER, kPositionKey, REG_OPTION_NON_VOLATILE,
                        KEY_READ | KEY_WRITE, &key) != ERROR_SUCCESS) {
    return;
  }
  const DWORD value = packed;
  windows.setValue(key, kPositionValue, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                   sizeof value);
  windows.closeKey(key);
}

}  // namespace jolvent
