// Playing a shape's motion: the pose between keys.
#pragma once

#include <optional>
#include <vector>

#include "math/quaternion.h"
#include "standin_host/motion.h"

namespace jolvent::workbench {

// Spherical interpolation from a (t = 0) to b (t = 1) along the shorter arc;
// nearly equal rotations are blended linearly. The result is of unit length.
Quaternion slerp(const Quaternion& a, const Quaternion& b, float t);

struct Pose {
  Quaternion rotation;
  float value = 0.0F;
};

// The pose at a sequence position: the first key's before it, the last key's
// after it, rotations slerped and values linear between two keys. Nothing
// without keys.
std::optional<Pose> evaluateMotion(const std::vector<standin::MotionKey>& keys,
                                   float position);

}  // namespace jolvent::workbench
