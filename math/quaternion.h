// Rotation quaternion, stored and constructed scalar first: w, x, y, z.
//
// Sense of rotation shared by all the math: the rotation by angle t about the
// unit axis u is (cos(t/2), -sin(t/2) * u), and for row vectors a positive t
// turns +Y toward +Z about X, +Z toward +X about Y, +X toward +Y about Z.
#pragma once

#include <cstddef>

namespace jolvent {

struct Quaternion {
  float w = 1.0F;
  float x = 0.0F;
  float y = 0.0F;
  float z = 0.0F;
};

// Exchanged with the host as four packed floats, scalar first.
static_assert(sizeof(Quaternion) == 16 && offsetof(Quaternion, w) == 0 &&
              offsetof(Quaternion, z) == 12);

// Unit-length copy of q. The reciprocal of the norm is taken in double
// precision. A q too small or too large to square in single precision is
// normalised as it would be at unit scale; an all-zero q gives the identity.
Quaternion quatNormalize(const Quaternion& q);

// Hamilton product a * b (a on the left), normalised like quatNormalize.
Quaternion quatMultiply(const Quaternion& a, const Quaternion& b);

}  // namespace jolvent
