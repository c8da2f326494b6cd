// The guard shared by everything that divides by a quaternion's norm.
#pragma once

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

#include "math/quaternion.h"

namespace jolvent {

// A squared norm the division can use as it is: a positive normal float.
// Below that the squares have underflowed (all the way to 0 for
// (0, 1e-30, 0, 0)), above it they have overflowed, and dividing by it would
// give a wrong length or not-a-numbers. One comparison on the bits: the
// positive normal floats are the patterns 0x00800000 to 0x7f7fffff.
inline bool squaredNormInRange(float squaredNorm) {
  return std::bit_cast<std::uint32_t>(squaredNorm) - 0x00800000U < 0x7f000000U;
}

// q times the power of two that puts its largest component in [1, 2). The
// scaling is exact and every step of a normalisation is exact under it, so
// the result of one is the same, bit for bit, as for q at that unit scale.
// Needs a finite q that is not all zero.
inline Quaternion scaledToUnitExponent(const Quaternion& q) {
  const float largest =
      std::max({std::fabs(q.w), std::fabs(q.x), std::fabs(q.y), std::fabs(q.z)});
  const int exponent = std::ilogb(largest);
  return {std::scalbn(q.w, -exponent), std::scalbn(q.x, -exponent),
          std::scalbn(q.y, -exponent), std::scalbn(q.z, -exponent)};
}

inline bool isAllZero(const Quaternion& q) {
  return q.w == 0.0F && q.x == 0.0F && q.y == 0.0F && q.z == 0.0F;
}

inline bool isFinite(const Quaternion& q) {
  return std::isfinite(q.w) && std::isfinite(q.x) && std::isfinite(q.y) &&
         std::isfinite(q.z);
}

}  // namespace jolvent
