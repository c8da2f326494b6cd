#include "panel/panel_state.h"

namespace jolvent {

namespace {
PanelState gPanelState;
}  // namespace

PanelState& panelState() {
  return gPanelState;
}

void resetPanelState() {
  gPanelState = PanelState{};
}

}  // namespace jolvent
