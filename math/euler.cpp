#include "math/euler.h"

#include <cmath>

namespace jolvent {

namespace {

// Beneath this |cos(yaw)| pitch and roll turn about the same axis and only
// their difference (or sum) is known.
constexpr float kGimbalCosine = 0.0002F;

Vec3 scaled(const Vec3& v, float factor) {
  return {v.x * factor, v.y * factor, v.z * factor};
}

Vec3 minus(const Vec3& a, const Vec3& b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}

Vec3 negated(const Vec3& v) {
  return {-v.x, -v.y, -v.z};
}

}  // namespace

MatrixDecomposition decomposeMatrix(const Matrix4& m) {
  MatrixDecomposition result;
  // Every element is divided by [3][3] as it was on entry (dividing in place,
  // [3][3] comes last). One divisor lets the sixteen divisions go four at a
  // time.
  Matrix4 l;
  const float divisor = m.at(3, 3);
  for (int i = 0; i < 16; ++i) l.m[i] = m.m[i] / divisor;

  result.translation = {l.at(3, 0), l.at(3, 1), l.at(3, 2)};
  l.at(3, 0) = 0.0F;
  l.at(3, 1) = 0.0F;
  l.at(3, 2) = 0.0F;

  Vec3 r0{l.at(0, 0), l.at(0, 1), l.at(0, 2)};
  Vec3 r1{l.at(1, 0), l.at(1, 1), l.at(1, 2)};
  Vec3 r2{l.at(2, 0), l.at(2, 1), l.at(2, 2)};

  // Gram-Schmidt: scale is each row's length, shear what was taken off.
  result.scale.x = vecNormalize(r0);
  float xy = vecDot(r0, r1);
  r1 = minus(r1, scaled(r0, xy));
  result.scale.y = vecNormalize(r1);
  xy /= result.scale.y;
  float xz = vecDot(r0, r2);
  r2 = minus(r2, scaled(r0, xz));
  float yz = vecDot(r1, r2);
  r2 = minus(r2, scaled(r1, yz));
  result.scale.z = vecNormalize(r2);
  xz /= result.scale.z;
  yz /= result.scale.z;
  result.shear = {yz, xz, xy};

  if (vecDot(r0, vecCross(r1, r2)) < 0.0F) {
    result.scale = negated(result.scale);
    r0 = negated(r0);
    r1 = negated(r1);
    r2 = negated(r2);
  }

  Vec3& angles = result.angles;
  angles.y = std::asin(-r0.z);
  const float c = std::cos(angles.y);
  if (c < -kGimbalCosine || c > kGimbalCosine) {
    angles.x = std::atan2(r1.z, r2.z);
    angles.z = std::atan2(r0.y, r0.x);
  } else {
    const float t = std::atan2(r1.x, r1.y);
    angles.x = angles.y > 0.0F ? t : -t;
    angles.z = 0.0F;
  }
  return result;
}

EulerDegrees quatToEulerDegrees(const Quaternion& q) {
  const Vec3 angles = decomposeMatrix(quatToMatrix(q)).angles;
  return {angles.x * kDegreesPerRadian, angles.y * kDegreesPerRadian,
          angles.z * kDegreesPerRadian};
}

Quaternion matrixToQuat(const Matrix4& m) {
  const Vec3 angles = decomposeMatrix(m).angles;
  const Quaternion qX{std::cos(angles.x * 0.5F), std::sin(angles.x * (-0.5F)), 0.0F,
                      0.0F};
  const Quaternion qY{std::cos(angles.y * 0.5F), 0.0F, std::sin(angles.y * (-0.5F)),
                      0.0F};
  const Quaternion qZ{std::cos(angles.z * 0.5F), 0.0F, 0.0F,
                      std::sin(angles.z * (-0.5F))};
  return quatMultiply(quatMultiply(qX, qY), qZ);
}

Quaternion applyAxisDelta(const Quaternion& rotation, const Vec3* axis, float newDegrees,
                          float appliedDegrees) {
  Matrix4 increment = identityMatrix;
  if (axis != nullptr) {
    const float theta = (newDegrees - appliedDegrees) * kRadiansPerDegree;
    increment = axisAngleMatrix(*axis, std::cos(theta), std::sin(theta));
  }
  // Left of the current rotation: the increment turns about the fixed axis.
  return quatMultiply(matrixToQuat(increment), rotation);
}

}  // namespace jolvent
