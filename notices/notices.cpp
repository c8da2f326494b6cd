#include "notices/notices.h"

#include <cstring>
#include <memory>

#include "editing/axis_guide.h"
#include "editing/edit_bracket.h"
#include "editing/edit_state.h"
#include "editing/settings_stream.h"
#include "host/host_ref.h"
#include "host/scene.h"
#include "host/shape.h"
#include "panel/panel_state.h"
#include "panel/panel_window.h"
#include "panel/refresh.h"
#include "panel/sliders.h"
#include "window_system/window_system.h"

namespace jolvent {

namespace {

// A selection of the guide part is the plug-in's own doing. An empty list has
// no first entry to read: it is a selection of nothing, not of the guide.
bool selectsTheGuide(int count, shape_class* const* shapes) {
  if (count < 1 || shapes == nullptr) return false;
  const char* name = shapes[0]->name(0);
  return name != nullptr && std::strcmp(name, kGuidePartName) == 0;
}

bool panelShown() {
  return panelState().panelVisible;
}

// Makes the given shapes active again from a copy of the plug-in's own: the
// host's list belongs to the notice.
void reselect(Scene& scene, int count, shape_class* const* shapes) {
  if (count < 1 || shapes == nullptr) {
    scene.setActiveShapes(0, nullptr, 0);
    return;
  }
  const auto copy = std::make_unique<shape_class*[]>(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) copy[i] = shapes[i];
  scene.setActiveShapes(count, copy.get(), 0);
}

}  // namespace

ShapeHandle findActiveBallJoint(Scene& scene) {
  if (scene.activeShapeCount(0) != 1) return 0;
  shape_class* active = scene.activeShape(0, 0);
  return active != nullptr && active->isBallJoint(0) ? active->handle(0) : 0;
}

void onCommand(HostApp* app, Scene* scene) {
  EditState& state = editState();
  PanelState& panel = panelState();
  state.hostApp = app;
  if (panel.panelVisible) return;
  state.editBracketOpen = false;
  HostRef<EditWindow> editWindow = hostEditWindow();
  if (editWindow) openEditBracket(*editWindow);
  state.ballJointHandle = scene != nullptr ? findActiveBallJoint(*scene) : 0;
  if (state.ballJointHandle != 0) buildAxisGuide(*scene);
  refreshPanel(scene);
  if (panel.panelWindow != nullptr) windowSystem().showWindow(panel.panelWindow, SW_SHOW);
  panel.panelVisible = true;
}

void onActiveShapes(Scene* scene, int count, shape_class* const* shapes) {
  if (selectsTheGuide(count, shapes)) return;
  EditState& state = editState();
  if (state.removingGuide || !panelShown() || scene == nullptr) return;
  removeAxisGuide(*scene);
  reselect(*scene, count, shapes);
  state.ballJointHandle = 0;
  if (count == 1 && shapes != nullptr && shapes[0]->isBallJoint(0)) {
    state.ballJointHandle = shapes[0]->handle(0);
    buildAxisGuide(*scene);
  }
  refreshPanel(scene);
  snapshotBoxValues(*scene);
}

void onShapesChanged(Scene* scene, int count, shape_class* const* shapes) {
  // Changes the panel makes itself are already stored.
  if (panelState().tracking) return;
  for (int i = 0; shapes != nullptr && i < count; ++i) {
    if (shapes[i]->isBallJoint(0)) storeShapeAngles(*shapes[i]);
  }
  if (panelShown() && !panelState().tracking) refreshPanel(scene);
}

void onJointDropped(Scene* scene) {
  if (!panelShown() || scene == nullptr) return;
  removeAxisGuide(*scene);
  editState().ballJointHandle = 0;
  refreshPanel(scene);
}

void onRefresh(Scene* scene) {
  if (panelShown()) refreshPanel(scene);
}

void onScene(Scene* scene) {
  if (scene == nullptr) {
    closeEditBracket();
    return;
  }
  if (panelState().panelPending) {
    createPanel(scene->mainWindow(0));
    return;
  }
  if (!panelShown()) return;
  EditState& state = editState();
  removeAxisGuide(*scene);
  state.ballJointHandle = findActiveBallJoint(*scene);
  if (state.ballJointHandle != 0) buildAxisGuide(*scene);
  refreshPanel(scene);
}

}  // namespace jolvent
