// The rotation math against Eigen, computed in double precision, on fixed
// pseudo-random samples.
#include <gtest/gtest.h>

#include <Eigen/Geometry>
#include <cmath>
#include <cstdint>
#include <random>

#include "math/euler.h"
#include "math/matrix4.h"
#include "math/quaternion.h"
#include "tests/math/math_matchers.h"

namespace jolvent {
namespace {

using test::EulerNear;
using test::MatrixNear;
using test::SameRotationAs;

constexpr int kSamples = 1000;
constexpr double kDegrees = test::kRadiansPerDegreeExact;

// Uniform doubles built straight from the engine's 32-bit words: the same
// sequence on every standard library.
class Samples {
public:
  double uniform(double low, double high) {
    return low + (high - low) * (static_cast<double>(engine_()) / 4294967296.0);
  }

  // A direction of length in [0.1, 1], not necessarily unit.
  Eigen::Vector3d direction() {
    for (;;) {
      const Eigen::Vector3d v(uniform(-1, 1), uniform(-1, 1), uniform(-1, 1));
      const double length = v.norm();
      if (length >= 0.1 && length <= 1.0) return v;
    }
  }

  Eigen::Quaterniond rotation() {
    for (;;) {
      const Eigen::Vector4d v(uniform(-1, 1), uniform(-1, 1), uniform(-1, 1),
                              uniform(-1, 1));
      const double length = v.norm();
      if (length >= 0.1 && length <= 1.0) {
        return Eigen::Quaterniond(v[0] / length, v[1] / length, v[2] / length,
                                  v[3] / length);
      }
    }
  }

private:
  std::mt19937 engine_{20240611U};
};

// Mapping to Eigen. Ours turns by t about u as (cos t/2, -sin t/2 u) and acts
// on row vectors (p' = p M); Eigen's same right-handed turn is
// (cos t/2, +sin t/2 u) acting on column vectors. So our matrix of a turn is
// Eigen's AngleAxis matrix transposed, and our four coefficients, read as an
// Eigen quaternion, are the opposite turn, whose matrix is that transpose:
// quatToMatrix(w, x, y, z) == Eigen::Quaterniond(w, x, y, z).toRotationMatrix().
Quaternion toOurs(const Eigen::Quaterniond& q) {
  return {static_cast<float>(q.w()), static_cast<float>(q.x()), static_cast<float>(q.y()),
          static_cast<float>(q.z())};
}

Eigen::Quaterniond toEigen(const Quaternion& q) {
  return {q.w, q.x, q.y, q.z};
}

Matrix4 toOurs(const Eigen::Matrix3d& rotation) {
  Matrix4 m = identityMatrix;
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      m.at(row, column) = static_cast<float>(rotation(row, column));
    }
  }
  return m;
}

// Our quaternion of the turn by radians about axis.
Eigen::Quaterniond turn(double radians, const Eigen::Vector3d& axis) {
  return Eigen::Quaterniond(Eigen::AngleAxisd(-radians, axis.normalized()));
}

// Our matrix of the same turn, for row vectors.
Eigen::Matrix3d rowTurn(double radians, const Eigen::Vector3d& axis) {
  return Eigen::AngleAxisd(radians, axis.normalized()).toRotationMatrix().transpose();
}

TEST(EigenReference, QuatToMatrixIsTheRowVectorRotation) {
  Samples samples;
  for (int i = 0; i < kSamples; ++i) {
    const Eigen::Vector3d axis = samples.direction();
    const double radians = samples.uniform(-360, 360) * kDegrees;
    const double length = samples.uniform(0.25, 4);
    const Eigen::Quaterniond q = turn(radians, axis);
    const Quaternion ours = toOurs(Eigen::Quaterniond(q.coeffs() * length));
    SCOPED_TRACE(::testing::PrintToString(ours));
    const Matrix4 m = quatToMatrix(ours);
    ASSERT_THAT(m, MatrixNear(toOurs(rowTurn(radians, axis)), 2e-6F));
    ASSERT_THAT(m,
                MatrixNear(toOurs(toEigen(ours).normalized().toRotationMatrix()), 2e-6F));
  }
}

TEST(EigenReference, QuatMultiplyIsTheHamiltonProduct) {
  Samples samples;
  for (int i = 0; i < kSamples; ++i) {
    const Eigen::Quaterniond a(samples.rotation().coeffs() * samples.uniform(0.5, 2));
    const Eigen::Quaterniond b(samples.rotation().coeffs() * samples.uniform(0.5, 2));
    const Quaternion ours = quatMultiply(toOurs(a), toOurs(b));
    const Eigen::Quaterniond expected =
        (toEigen(toOurs(a)) * toEigen(toOurs(b))).normalized();
    SCOPED_TRACE(::testing::PrintToString(toOurs(a)) + " * " +
                 ::testing::PrintToString(toOurs(b)));
    ASSERT_THAT(ours, test::QuatNear(toOurs(expected), 1e-6F));
  }
}

// Away from the gimbal band the angles come back, and the convention's
// matrix Rx Ry Rz (row vectors) is the quaternion qx qy qz.
TEST(EigenReference, EulerAnglesRoundTrip) {
  Samples samples;
  const Eigen::Vector3d x = Eigen::Vector3d::UnitX();
  const Eigen::Vector3d y = Eigen::Vector3d::UnitY();
  const Eigen::Vector3d z = Eigen::Vector3d::UnitZ();
  for (int i = 0; i < kSamples; ++i) {
    const EulerDegrees angles{static_cast<float>(samples.uniform(-180, 180)),
                              static_cast<float>(samples.uniform(-89, 89)),
                              static_cast<float>(samples.uniform(-180, 180))};
    const double a = angles.pitch * kDegrees;
    const double b = angles.yaw * kDegrees;
    const double g = angles.roll * kDegrees;
    const Quaternion q = toOurs(turn(a, x) * turn(b, y) * turn(g, z));
    SCOPED_TRACE(::testing::PrintToString(angles));
    ASSERT_THAT(quatToEulerDegrees(q), EulerNear(angles, 1e-3F));
    const Eigen::Matrix3d convention = rowTurn(a, x) * rowTurn(b, y) * rowTurn(g, z);
    ASSERT_THAT(quatToMatrix(q), MatrixNear(toOurs(convention), 2e-6F));
  }
}

// The increment multiplied on the left of the current rotation, exactly in
// double; the angle folding of the increment does not change the rotation.
TEST(EigenReference, ApplyAxisDeltaComposesOnTheLeft) {
  Samples samples;
  for (int i = 0; i < kSamples; ++i) {
    const Quaternion rotation = toOurs(samples.rotation());
    const Eigen::Vector3d axis = samples.direction();
    const auto newDegrees = static_cast<float>(samples.uniform(-360, 360));
    const auto appliedDegrees = static_cast<float>(samples.uniform(-360, 360));
    const Vec3 ourAxis{static_cast<float>(axis.x()), static_cast<float>(axis.y()),
                       static_cast<float>(axis.z())};
    const Eigen::Vector3d usedAxis(ourAxis.x, ourAxis.y, ourAxis.z);
    const double radians = (double{newDegrees} - appliedDegrees) * kDegrees;
    const Eigen::Quaterniond expected =
        turn(radians, usedAxis) * toEigen(rotation).normalized();
    SCOPED_TRACE(::testing::PrintToString(rotation) + " about " +
                 ::testing::PrintToString(ourAxis) + " from " +
                 std::to_string(appliedDegrees) + " to " + std::to_string(newDegrees));
    ASSERT_THAT(applyAxisDelta(rotation, &ourAxis, newDegrees, appliedDegrees),
                SameRotationAs(toOurs(expected), 5e-5F));
  }
}

}  // namespace
}  // namespace jolvent
