#include "math/vec3.h"

#include <cmath>

namespace jolvent {

float vecDot(const Vec3& a, const Vec3& b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}

Vec3 vecCross(const Vec3& a, const Vec3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

float vecNormalize(Vec3& v) {
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
