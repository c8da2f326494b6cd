#include "workbench/app/camera.h"

#include <algorithm>
#include <cmath>

namespace jolvent::workbench {

namespace {
constexpr float kNearDepth = 1.0F;
constexpr float kHalfFieldTangent = 0.41421356F;  // tan(22.5 degrees)
constexpr float kRadiansPerPixel = 0.01F;
constexpr float kPitchLimit = 1.5F;
constexpr float kMinimumDistance = 20.0F;
constexpr float kMaximumDistance = 5000.0F;
}  // namespace

ScreenPoint project(const Camera& camera, int width, int height, const Vec3& point) {
  const float dx = point.x - camera.target.x;
  const float dy = point.y - camera.target.y;
  const float dz = point.z - camera.target.z;
  const float cy = std::cos(camera.yaw);
  const float sy = std::sin(camera.yaw);
  const float x1 = dx * cy - dz * sy;
  const float z1 = dx * sy + dz * cy;
  const float cp = std::cos(camera.pitch);
  const float sp = std::sin(camera.pitch);
  const float y2 = dy * cp - z1 * sp;
  const float z2 = dy * sp + z1 * cp;
  const float depth = camera.distance - z2;
  ScreenPoint screen;
  if (depth < kNearDepth) return screen;
  const float focal = static_cast<float>(height) / (2.0F * kHalfFieldTangent);
  screen.x = static_cast<float>(width) / 2.0F + focal * x1 / depth;
  screen.y = static_cast<float>(height) / 2.0F - focal * y2 / depth;
  screen.visible = true;
  return screen;
}

void orbit(Camera& camera, int dx, int dy) {
  camera.yaw += static_cast<float>(dx) * kRadiansPerPixel;
  camera.pitch = std::clamp(camera.pitch + static_cast<float>(dy) * kRadiansPerPixel,
                            -kPitchLimit, kPitchLimit);
}

void zoom(Camera& camera, int wheelDelta) {
  const float notches = static_cast<float>(wheelDelta) / 120.0F;
  camera.distance = std::clamp(camera.distance * std::pow(0.9F, notches),
                               kMinimumDistance, kMaximumDistance);
}

int pickNearest(const std::vector<ScreenPoint>& points, float x, float y, float radius) {
  int best = -1;
  float bestSquared = radius * radius;
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (!points[i].visible) continue;
    const float ex = points[i].x - x;
    const float ey = points[i].y - y;
    const float squared = ex * ex + ey * ey;
    if (squared < bestSquared || (best < 0 && squared <= bestSquared)) {
      bestSquared = squared;
      best = static_cast<int>(i);
    }
  }
  return best;
}

}  // namespace jolvent::workbench
