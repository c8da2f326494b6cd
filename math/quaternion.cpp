#include "math/quaternion.h"

#include <cmath>

#include "math/quaternion_scaling.h"

namespace jolvent {

namespace {

float squaredNormOf(const Quaternion& q) {
  return q.w * q.w + q.x * q.x + q.y * q.y + q.z * q.z;
}

// The reciprocal of the norm is divided in double and rounded once.
Quaternion byReciprocalNorm(const Quaternion& q, float squaredNorm) {
  const float norm = std::sqrt(squaredNorm);
  const auto reciprocal = static_cast<float>(1.0 / static_cast<double>(norm));
  return {q.w * reciprocal, q.x * reciprocal, q.y * reciprocal, q.z * reciprocal};
}

// Guards the all-zero input itself and scales any other first, rather than
// guarding the computed norm: a quaternion whose squares under- or overflow
// still has a direction, and gets it. Only the all-zero one has none; the
// identity is the harmless answer. Not-a-numbers and infinities go through
// as they are.
[[gnu::cold, gnu::noinline]] Quaternion normalizedOutOfRange(const Quaternion& q) {
  if (isAllZero(q)) return Quaternion{};
  if (!isFinite(q)) return byReciprocalNorm(q, squaredNormOf(q));
  const Quaternion scaled = scaledToUnitExponent(q);
  return byReciprocalNorm(scaled, squaredNormOf(scaled));
}

Quaternion normalize(const Quaternion& q) {
  const float squaredNorm = squaredNormOf(q);
  if (!squaredNormInRange(squaredNorm)) [[unlikely]] {
    return normalizedOutOfRange(q);
  }
  return byReciprocalNorm(q, squaredNorm);
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
