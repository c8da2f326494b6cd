// Pitch, yaw and roll of a rotation, and the one-axis increment the panel's
// sliders apply.
//
// Convention: M = Rx(pitch) * Ry(yaw) * Rz(roll) for row vectors, i.e. the
// rotation qx(pitch) * qy(yaw) * qz(roll). Yaw comes out in [-90, 90] degrees,
// pitch and roll in [-180, 180]. Within 0.0002 of cos(yaw) = 0 (the gimbal
// band) the whole remaining angle is given to pitch and roll is 0.
#pragma once

#include "math/matrix4.h"
#include "math/quaternion.h"
#include "math/vec3.h"

namespace jolvent {

// Written exactly so (not the nearest floats to 180/pi and pi/180).
inline constexpr float kDegreesPerRadian = 57.295776F;
inline constexpr float kRadiansPerDegree = 0.017453292F;

struct MatrixDecomposition {
  Vec3 scale;        // row lengths after orthogonalisation; negative if mirrored
  Vec3 shear;        // yz, xz, xy
  Vec3 angles;       // radians about X, Y, Z
  Vec3 translation;  // row 3 after the homogeneous division
};

struct EulerDegrees {
  float pitch = 0.0F;
  float yaw = 0.0F;
  float roll = 0.0F;
};

// m[3][3] must not be 0.
MatrixDecomposition decomposeMatrix(const Matrix4& m);

EulerDegrees quatToEulerDegrees(const Quaternion& q);
Quaternion matrixToQuat(const Matrix4& m);

// rotation turned by (newDegrees - appliedDegrees) about axis, the increment
// multiplied on the left and the result normalised. A null axis only
// renormalises the rotation.
Quaternion applyAxisDelta(const Quaternion& rotation, const Vec3* axis, float newDegrees,
                          float appliedDegrees);

}  // namespace jolvent
