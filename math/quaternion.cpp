#include "math/quaternion.h"

#include <cmath>

namespace jolvent {

namespace {

// The reciprocal of the norm is divided in double and rounded once.
Quaternion normalize(const Quaternion& q) {
  const float norm = std::sqrt(q.w * q.w + q.x * q.x + q.y * q.y + q.z * q.z);
  // An all-zero quaternion has no direction; the identity is the harmless
  // answer, where the unguarded division would spread not-a-numbers.
  if (norm == 0.0F) return Quaternion{};
  const auto reciprocal = static_cast<float>(1.0 / static_cast<double>(norm));
  return {q.w * reciprocal, q.x * reciprocal, q.y * reciprocal, q.z * reciprocal};
}

// quatMultiply jumps here with the product in registers. Inlined there, the
// compiler spreads the product over vector and scalar registers and costs
// more than the jump.
[[gnu::noinline]] Quaternion normalizedProduct(float w, float x, float y, float z) {
  return normalize({w, x, y, z});
}

}  // namespace

Quaternion quatNormalize(const Quaternion& q) {
  return normalize(q);
}

Quaternion quatMultiply(const Quaternion& a, const Quaternion& b) {
  return normalizedProduct(a.w * b.w - (a.x * b.x + a.y * b.y + a.z * b.z),
                           a.w * b.x + b.w * a.x + (a.y * b.z - a.z * b.y),
                           a.w * b.y + b.w * a.y + (a.z * b.x - a.x * b.z),
                           a.w * b.z + b.w * a.z + (a.x * b.y - a.y * b.x));
}

}  // namespace jolvent
