#include "math/quaternion.h"

#include <cmath>

namespace jolvent {

namespace {

// The reciprocal of the norm is divided in double and rounded once.
Quaternion normalized(float w, float x, float y, float z) {
  const float norm = std::sqrt(w * w + x * x + y * y + z * z);
  // An all-zero quaternion has no direction; the identity is the harmless
  // answer, where the unguarded division would spread not-a-numbers.
  if (norm == 0.0F) return Quaternion{};
  const auto reciprocal = static_cast<float>(1.0 / static_cast<double>(norm));
  return {w * reciprocal, x * reciprocal, y * reciprocal, z * reciprocal};
}

}  // namespace

Quaternion quatNormalize(const Quaternion& q) {
  return normalized(q.w, q.x, q.y, q.z);
}

Quaternion quatMultiply(const Quaternion& a, const Quaternion& b) {
  const float w = a.w * b.w - (a.x * b.x + a.y * b.y + a.z * b.z);
  const float x = a.w * b.x + b.w * a.x + (a.y * b.z - a.z * b.y);
  const float y = a.w * b.y + b.w * a.y + (a.z * b.x - a.x * b.z);
  const float z = a.w * b.z + b.w * a.z + (a.x * b.y - a.y * b.x);
  return normalized(w, x, y, z);
}

}  // namespace jolvent
