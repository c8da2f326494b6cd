// Tolerant matchers, printers and small builders shared by the math suites.
#pragma once

#include <gmock/gmock.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <iomanip>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "math/euler.h"
#include "math/matrix4.h"
#include "math/quaternion.h"
#include "math/vec3.h"

namespace jolvent {

// Found by GoogleTest through argument-dependent lookup. Nine significant
// digits tell every float apart and show the sign of a zero.
inline void PrintTo(const Vec3& v, std::ostream* os) {
  *os << std::setprecision(9) << "(" << v.x << ", " << v.y << ", " << v.z << ")";
}

inline void PrintTo(const Quaternion& q, std::ostream* os) {
  *os << std::setprecision(9) << "(w " << q.w << ", x " << q.x << ", y " << q.y << ", z "
      << q.z << ")";
}

inline void PrintTo(const Matrix4& m, std::ostream* os) {
  *os << std::setprecision(9) << "[";
  for (int row = 0; row < 4; ++row) {
    *os << (row == 0 ? "[" : "; [");
    for (int column = 0; column < 4; ++column) {
      *os << (column == 0 ? "" : ", ") << m.at(row, column);
    }
    *os << "]";
  }
  *os << "]";
}

inline void PrintTo(const EulerDegrees& e, std::ostream* os) {
  *os << std::setprecision(9) << "(pitch " << e.pitch << ", yaw " << e.yaw << ", roll "
      << e.roll << ")";
}

namespace test {

inline constexpr Vec3 kAxisX{1.0F, 0.0F, 0.0F};
inline constexpr Vec3 kAxisY{0.0F, 1.0F, 0.0F};
inline constexpr Vec3 kAxisZ{0.0F, 0.0F, 1.0F};

inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kRadiansPerDegreeExact = kPi / 180.0;

// Difference of two angles in degrees, folded into [-180, 180]: 180 and -180
// name the same turn.
inline double angleDifference(double a, double b) {
  return std::remainder(a - b, 360.0);
}

// The rotation qx(pitch) * qy(yaw) * qz(roll) of the angle convention,
// formed in double and rounded once, so that inputs do not lean on the code
// under test.
inline Quaternion conventionQuat(double pitch, double yaw, double roll) {
  const double a = pitch * kRadiansPerDegreeExact / 2.0;
  const double b = yaw * kRadiansPerDegreeExact / 2.0;
  const double g = roll * kRadiansPerDegreeExact / 2.0;
  // qx * qy with qx = (cos a, -sin a, 0, 0), qy = (cos b, 0, -sin b, 0).
  const double w1 = std::cos(a) * std::cos(b);
  const double x1 = -std::sin(a) * std::cos(b);
  const double y1 = -std::cos(a) * std::sin(b);
  const double z1 = std::sin(a) * std::sin(b);
  // ... * qz with qz = (cos g, 0, 0, -sin g).
  const double cg = std::cos(g);
  const double sg = -std::sin(g);
  return {static_cast<float>(w1 * cg - z1 * sg), static_cast<float>(x1 * cg + y1 * sg),
          static_cast<float>(y1 * cg - x1 * sg), static_cast<float>(z1 * cg + w1 * sg)};
}

// The floats a value type is made of.
template <class T>
std::vector<float> floatsOf(const T& value) {
  static_assert(sizeof(T) % sizeof(float) == 0);
  std::vector<float> floats(sizeof(T) / sizeof(float));
  std::memcpy(floats.data(), &value, sizeof(T));
  return floats;
}

template <class T>
std::string hexFloats(const T& value) {
  std::ostringstream out;
  out << std::hexfloat << "{";
  const char* separator = "";
  for (const float f : floatsOf(value)) {
    out << separator << f;
    separator = ", ";
  }
  out << "}";
  return out.str();
}

// The same bits in every float. Not-a-numbers must be in the same places;
// their sign and payload carry nothing.
template <class T>
::testing::AssertionResult sameBits(const T& ours, const T& expected) {
  const std::vector<float> a = floatsOf(ours);
  const std::vector<float> b = floatsOf(expected);
  for (std::size_t i = 0; i < a.size(); ++i) {
    const bool bothNan = std::isnan(a[i]) && std::isnan(b[i]);
    if (!bothNan &&
        std::bit_cast<std::uint32_t>(a[i]) != std::bit_cast<std::uint32_t>(b[i])) {
      return ::testing::AssertionFailure()
             << "float " << i << " differs\n  ours:    " << hexFloats(ours)
             << "\n  written: " << hexFloats(expected);
    }
  }
  return ::testing::AssertionSuccess();
}

// Components within tolerance of expected.
MATCHER_P2(VecNear, expected, tolerance,
           std::string(negation ? "isn't" : "is") + " within " +
               ::testing::PrintToString(tolerance) + " of " +
               ::testing::PrintToString(expected)) {
  const float difference =
      std::max({std::fabs(arg.x - expected.x), std::fabs(arg.y - expected.y),
                std::fabs(arg.z - expected.z)});
  *result_listener << "largest difference " << difference;
  return difference <= tolerance;  // false for not-a-numbers
}

MATCHER_P2(QuatNear, expected, tolerance,
           std::string(negation ? "isn't" : "is") + " within " +
               ::testing::PrintToString(tolerance) + " of " +
               ::testing::PrintToString(expected)) {
  const float difference =
      std::max({std::fabs(arg.w - expected.w), std::fabs(arg.x - expected.x),
                std::fabs(arg.y - expected.y), std::fabs(arg.z - expected.z)});
  *result_listener << "largest difference " << difference;
  return difference <= tolerance;
}

// The same rotation: q and -q are one rotation, and the length does not count.
MATCHER_P2(SameRotationAs, expected, tolerance,
           std::string(negation ? "isn't" : "is") + " the rotation of " +
               ::testing::PrintToString(expected) + " within " +
               ::testing::PrintToString(tolerance)) {
  const double a[4] = {arg.w, arg.x, arg.y, arg.z};
  const double e[4] = {expected.w, expected.x, expected.y, expected.z};
  double normA = 0.0;
  double normE = 0.0;
  double dot = 0.0;
  for (int i = 0; i < 4; ++i) {
    normA += a[i] * a[i];
    normE += e[i] * e[i];
    dot += a[i] * e[i];
  }
  const double sign = dot < 0.0 ? -1.0 : 1.0;
  double difference = 0.0;
  for (int i = 0; i < 4; ++i) {
    difference = std::max(
        difference, std::fabs(a[i] / std::sqrt(normA) - sign * e[i] / std::sqrt(normE)));
  }
  *result_listener << "largest difference of the unit quaternions " << difference;
  return difference <= tolerance;
}

MATCHER_P2(MatrixNear, expected, tolerance,
           std::string(negation ? "isn't" : "is") + " within " +
               ::testing::PrintToString(tolerance) + " of " +
               ::testing::PrintToString(expected)) {
  int worst = 0;
  float difference = 0.0F;
  for (int i = 0; i < 16; ++i) {
    const float d = std::fabs(arg.m[i] - expected.m[i]);
    if (!(d <= difference)) {  // not-a-numbers count as worst
      worst = i;
      difference = d;
      if (std::isnan(d)) break;
    }
  }
  *result_listener << "largest difference " << difference << " at [" << worst / 4 << "]["
                   << worst % 4 << "]";
  return difference <= tolerance;
}

// Angles in degrees, each compared modulo 360.
MATCHER_P2(EulerNear, expected, tolerance,
           std::string(negation ? "isn't" : "is") + " within " +
               ::testing::PrintToString(tolerance) + " degrees of " +
               ::testing::PrintToString(expected)) {
  const double difference =
      std::max({std::fabs(angleDifference(arg.pitch, expected.pitch)),
                std::fabs(angleDifference(arg.yaw, expected.yaw)),
                std::fabs(angleDifference(arg.roll, expected.roll))});
  *result_listener << "largest difference " << difference;
  return difference <= tolerance;
}

}  // namespace test
}  // namespace jolvent
