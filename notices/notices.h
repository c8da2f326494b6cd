// What the main component's command and notices do: open the panel on the
// selected ball joint inside the host's edit bracket, follow the selection
// and the scene with the guide and the panel, and keep changed joints'
// stored angles.
#pragma once

#include "host/fwd.h"

namespace jolvent {

// The single active shape's handle when it is a ball joint, else 0.
ShapeHandle findActiveBallJoint(Scene& scene);

void onCommand(HostApp* app, Scene* scene);
void onActiveShapes(Scene* scene, int count, shape_class* const* shapes);
void onShapesChanged(Scene* scene, int count, shape_class* const* shapes);
void onJointDropped(Scene* scene);
void onRefresh(Scene* scene);
// scene is null when the document goes away.
void onScene(Scene* scene);

}  // namespace jolvent
