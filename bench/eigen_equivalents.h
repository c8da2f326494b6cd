// Eigen's nearest equivalents of the rotation math, each behind a call of its
// own like ours, so that none is inlined into the measuring loop.
#pragma once

#include <Eigen/Geometry>

namespace jolvent::bench::eigen_equivalents {

struct Decomposition {
  Eigen::Matrix3f scaling;
  Eigen::Vector3f angles;
  Eigen::Vector3f translation;
};

Eigen::Quaternionf quatNormalize(const Eigen::Quaternionf& q);
Eigen::Quaternionf quatMultiply(const Eigen::Quaternionf& a, const Eigen::Quaternionf& b);
Eigen::Matrix4f quatToMatrix(const Eigen::Quaternionf& q);
Eigen::Matrix4f axisAngleMatrix(const Eigen::Vector3f& axis, float radians);
Eigen::Matrix4f matrixInverse(const Eigen::Matrix4f& m);
Decomposition decomposeMatrix(const Eigen::Matrix4f& m);
Eigen::Vector3f quatToEulerDegrees(const Eigen::Quaternionf& q);
Eigen::Quaternionf matrixToQuat(const Eigen::Matrix4f& m);
Eigen::Quaternionf applyAxisDelta(const Eigen::Quaternionf& rotation,
                                  const Eigen::Vector3f& axis, float newDegrees,
                                  float appliedDegrees);

}  // namespace jolvent::bench::eigen_equivalents
