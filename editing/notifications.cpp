#include "editing/notifications.h"

#include "editing/edit_state.h"
#include "editing/settings_stream.h"
#include "host/shape.h"

namespace jolvent {

// The panel's share of these notices arrives with the panel.

void onActiveShapes(Scene*, int, shape_class* const*) {}

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
