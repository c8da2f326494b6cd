#include "plugin/module_lifetime.h"

#include "panel/panel_state.h"
#include "window_system/window_system.h"

namespace jolvent {

void onProcessAttach(HINSTANCE instance) {
  panelState().moduleInstance = instance;
}

void onProcessDetach() {
  PanelState& state = panelState();
  if (state.panelWindow == nullptr) return;
  WindowSystem& windows = windowSystem();
  if (state.rollUpTimer != 0) {
    windows.killTimer(state.panelWindow, state.rollUpTimer);
    state.rollUpTimer = 0;
  }
  windows.destroyWindow(state.panelWindow);
  state.panelWindow = nullptr;
}

}  // namespace jolvent
