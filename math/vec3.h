// Three-component single-precision vector.
#pragma once

#include <cmath>
#include <cstddef>

namespace jolvent {

struct Vec3 {
  float x = 0.0F;
  float y = 0.0F;
  float z = 0.0F;
};

// Exchanged with the host as three packed floats.
static_assert(sizeof(Vec3) == 12 && offsetof(Vec3, x) == 0 && offsetof(Vec3, z) == 8);

// Defined here so that the matrix decomposition keeps its vectors in
// registers instead of passing them through memory to a call.
inline float vecDot(const Vec3& a, const Vec3& b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}

inline Vec3 vecCross(const Vec3& a, const Vec3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// Scales v to unit length in place and returns the length it had. A zero or
// not-a-number length leaves v untouched and returns 0.
inline float vecNormalize(Vec3& v) {
  const float length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
  // Written as two comparisons so that a not-a-number length counts as zero.
  if (!(length < 0.0F || length > 0.0F)) return 0.0F;
  const float reciprocal = 1.0F / length;
  v.x *= reciprocal;
  v.y *= reciprocal;
  v.z *= reciprocal;
  return length;
}

}  // namespace jolvent
