// The viewport's orbiting camera: projection of scene points to pixels and
// picking the point nearest a click.
#pragma once

#include <vector>

#include "math/vec3.h"

namespace jolvent::workbench {

struct Camera {
  Vec3 target{0, 100, 0};
  float yaw = 0.5F;    // radians about +Y
  float pitch = 0.2F;  // radians, positive looks down on the figure
  float distance = 350.0F;
};

struct ScreenPoint {
  float x = 0.0F;
  float y = 0.0F;
  bool visible = false;  // in front of the camera
};

// Perspective with a 45 degree vertical field of view; +Y is up on screen.
ScreenPoint project(const Camera& camera, int width, int height, const Vec3& point);

// Dragging by pixels turns the camera about its target; pitch stops short of
// the poles so that up stays up.
void orbit(Camera& camera, int dx, int dy);
// One wheel notch (120) moves a tenth of the way in or out.
void zoom(Camera& camera, int wheelDelta);

// The index of the visible point nearest (x, y) within radius pixels, or -1.
// Of points equally near, the first.
int pickNearest(const std::vector<ScreenPoint>& points, float x, float y, float radius);

}  // namespace jolvent::workbench
