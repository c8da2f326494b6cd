#include "editing/notifications.h"

#include "editing/edit_state.h"

namespace jolvent {

// The panel's share of these notices arrives with the panel.

void onActiveShapes(Scene*, int, shape_class* const*) {}

void onShapesChanged(Scene*, int, shape_class* const*) {}

void onJointDropped(Scene*) {}

void onCommand(HostApp* app, Scene*) { editState().hostApp = app; }

void onRefresh(Scene*) {}

void onScene(Scene*) {}

}  // namespace jolvent
