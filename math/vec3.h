// Three-component single-precision vector.
#pragma once

#include <cstddef>

namespace jolvent {

struct Vec3 {
  float x = 0.0F;
  float y = 0.0F;
  float z = 0.0F;
};

// Exchanged with the host as three packed floats.
static_assert(sizeof(Vec3) == 12 && offsetof(Vec3, x) == 0 && offsetof(Vec3, z) == 8);

float vecDot(const Vec3& a, const Vec3& b);
Vec3 vecCross(const Vec3& a, const Vec3& b);

// Scales v to unit length in place and returns the length it had. A zero or
// not-a-number length leaves v untouched and returns 0.
float vecNormalize(Vec3& v);

}  // namespace jolvent
