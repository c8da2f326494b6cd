// The main component's command and notices.
#pragma once

#include "host/fwd.h"

namespace jolvent {

void onActiveShapes(Scene* scene, int count, shape_class* const* shapes);
void onShapesChanged(Scene* scene, int count, shape_class* const* shapes);
void onJointDropped(Scene* scene);
void onCommand(HostApp* app, Scene* scene);
void onRefresh(Scene* scene);
// scene is null when the document goes away.
void onScene(Scene* scene);

}  // namespace jolvent
