#include "editing/notifications.h"

#include <cstring>

#include "editing/axis_guide.h"
#include "editing/edit_state.h"
#include "editing/settings_stream.h"
#include "host/shape.h"

namespace jolvent {

namespace {

// A selection of the guide part is the plug-in's own doing. An empty list has
// no first entry to read: it is a selection of nothing, not of the guide.
bool selectsTheGuide(int count, shape_class* const* shapes) {
  if (count < 1 || shapes == nullptr) return false;
  const char* name = shapes[0]->name(0);
  return name != nullptr && std::strcmp(name, kGuidePartName) == 0;
}

}  // namespace

// The panel's share of these notices arrives with the panel.

void onActiveShapes(Scene*, int count, shape_class* const* shapes) {
  if (selectsTheGuide(count, shapes)) return;
  const EditState& state = editState();
  if (state.removingGuide != 0 || state.panelVisible == 0) return;
}

void onShapesChanged(Scene*, int count, shape_class* const* shapes) {
  // Changes the panel makes itself are already stored.
  if (editState().tracking != 0) return;
  for (int i = 0; i < count; ++i) {
    if (shapes[i]->isBallJoint(0)) storeShapeAngles(*shapes[i]);
  }
}

void onJointDropped(Scene*) {}

void onCommand(HostApp* app, Scene*) {
  editState().hostApp = app;
}

void onRefresh(Scene*) {}

void onScene(Scene*) {}

}  // namespace jolvent
