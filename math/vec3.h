// Three-component single-precision vector.
#pragma once

namespace jolvent {

struct Vec3 {
  float x = 0.0F;
  float y = 0.0F;
  float z = 0.0F;
};

float vecDot(const Vec3& a, const Vec3& b);
Vec3 vecCross(const Vec3& a, const Vec3& b);

// Scales v to unit length in place and returns the length it had. A zero or
// not-a-number length leaves v untouched and returns 0.
float vecNormalize(Vec3& v);

}  // namespace jolvent
