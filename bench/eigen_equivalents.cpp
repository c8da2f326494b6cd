#include "bench/eigen_equivalents.h"

#include "math/euler.h"

namespace jolvent::bench::eigen_equivalents {

namespace {

Eigen::Matrix4f affine(const Eigen::Matrix3f& block) {
  Eigen::Matrix4f m = Eigen::Matrix4f::Identity();
  m.topLeftCorner<3, 3>() = block;
  return m;
}

}  // namespace

Eigen::Quaternionf quatNormalize(const Eigen::Quaternionf& q) {
  return q.normalized();
}

Eigen::Quaternionf quatMultiply(const Eigen::Quaternionf& a,
                                const Eigen::Quaternionf& b) {
  return a * b;
}

Eigen::Matrix4f quatToMatrix(const Eigen::Quaternionf& q) {
  return affine(q.toRotationMatrix());
}

// AngleAxis wants a unit axis; ours normalises whatever it is given.
Eigen::Matrix4f axisAngleMatrix(const Eigen::Vector3f& axis, float radians) {
  return affine(Eigen::AngleAxisf(radians, axis.normalized()).toRotationMatrix());
}

Eigen::Matrix4f matrixInverse(const Eigen::Matrix4f& m) {
  return Eigen::Affine3f(m).inverse(Eigen::Affine).matrix();
}

// The polar decomposition (by singular values) and the angles of its
// rotation.
Decomposition decomposeMatrix(const Eigen::Matrix4f& m) {
  const Eigen::Affine3f transform(m);
  Eigen::Matrix3f rotation;
  Decomposition result;
  transform.computeRotationScaling(&rotation, &result.scaling);
  result.angles = rotation.eulerAngles(0, 1, 2);
  result.translation = transform.translation();
  return result;
}

Eigen::Vector3f quatToEulerDegrees(const Eigen::Quaternionf& q) {
  return q.toRotationMatrix().eulerAngles(0, 1, 2) * kDegreesPerRadian;
}

Eigen::Quaternionf matrixToQuat(const Eigen::Matrix4f& m) {
  return Eigen::Quaternionf(Eigen::Matrix3f(m.topLeftCorner<3, 3>()));
}

Eigen::Quaternionf applyAxisDelta(const Eigen::Quaternionf& rotation,
                                  const Eigen::Vector3f& axis, float newDegrees,
                                  float appliedDegrees) {
  const float radians = (newDegrees - appliedDegrees) * kRadiansPerDegree;
  return (Eigen::Quaternionf(Eigen::AngleAxisf(radians, axis)) * rotation).normalized();
}

}  // namespace jolvent::bench::eigen_equivalents
