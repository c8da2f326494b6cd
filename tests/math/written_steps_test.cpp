// The math in math/ gives the same bits as the plain rendering of its
// written steps, over seeded draws and the written examples.
#include "reference/written_steps.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "math/euler.h"
#include "math/matrix4.h"
#include "math/quaternion.h"
#include "math/vec3.h"
#include "tests/math/math_matchers.h"

namespace jolvent {
namespace {

namespace written = written_steps;

using test::hexFloats;
using test::sameBits;

constexpr float kNan = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

// Enough to cross every branch many times; the sanitized build runs the
// whole file in a few seconds.
constexpr int kCases = 200000;
constexpr int kTrigCases = 100000;

// Floats spread over 2^-28 to 2^29, with zeros of both signs, small integers
// and, where asked, not-a-numbers and infinities. The squared norms of these
// quaternions and of their products stay normal floats: out of that range
// ours differs from the plain steps on purpose (quaternion_test.cpp).
class Draws {
public:
  explicit Draws(std::uint32_t seed) : engine_(seed) {}

  std::uint32_t below(std::uint32_t n) { return engine_() % n; }

  float uniform(float low, float high) {
    return low + (high - low) * static_cast<float>(engine_() >> 8) * 0x1p-24F;
  }

  float number(bool nonFinite = false) {
    switch (below(64)) {
      case 0:
      case 1:
        return 0.0F;
      case 2:
        return -0.0F;
      case 3:
        return 1.0F;
      case 4:
        return -1.0F;
      case 5:
        return static_cast<float>(below(9)) - 4.0F;
      case 6:
        if (nonFinite) return kNan;
        break;
      case 7:
        if (nonFinite) return below(2) == 0 ? kInf : -kInf;
        break;
      default:
        break;
    }
    const float mantissa = uniform(1.0F, 2.0F);
    const int exponent = static_cast<int>(below(57)) - 28;
    return std::ldexp(below(2) == 0 ? mantissa : -mantissa, exponent);
  }

  // Mostly within a few units of zero, where the rotations live.
  float moderate() { return below(4) == 0 ? number() : uniform(-2.0F, 2.0F); }

  Vec3 vec(bool nonFinite = false) {
    return {number(nonFinite), number(nonFinite), number(nonFinite)};
  }

  // Never all zero: that quaternion is the one the math treats apart.
  Quaternion quat(bool nonFinite = false) {
    for (;;) {
      const bool wide = below(4) == 0;
      const Quaternion q =
          wide ? Quaternion{number(nonFinite), number(nonFinite), number(nonFinite),
                            number(nonFinite)}
               : Quaternion{moderate(), moderate(), moderate(), moderate()};
      if (q.w != 0 || q.x != 0 || q.y != 0 || q.z != 0 || std::isnan(q.w)) return q;
    }
  }

  // A rotation in the angle convention, a quarter of them at or next to the
  // gimbal band.
  Quaternion conventionRotation() {
    const double pitch = uniform(-180, 180);
    const double roll = uniform(-180, 180);
    double yaw = uniform(-90, 90);
    if (below(4) == 0) {
      const double nearNinety[] = {90, 89.99, 89.9885, 89.98, 89.9};
      yaw = nearNinety[below(5)] * (below(2) == 0 ? 1 : -1);
    }
    return test::conventionQuat(pitch, yaw, roll);
  }

  Matrix4 matrix() {
    Matrix4 m;
    switch (below(6)) {
      case 0:  // anything, [3][3] included
        for (float& element : m.m) element = number(below(8) == 0);
        break;
      case 1:  // affine
        for (int row = 0; row < 4; ++row) {
          for (int column = 0; column < 3; ++column) m.at(row, column) = moderate();
        }
        m.at(3, 3) = 1;
        break;
      case 2:  // a rotation, scaled and mirrored row by row, translated
        m = written::quatToMatrix(below(2) == 0 ? conventionRotation() : quat());
        for (int row = 0; row < 3; ++row) {
          const float factor = below(2) == 0 ? 1.0F : moderate();
          for (int column = 0; column < 3; ++column) m.at(row, column) *= factor;
        }
        for (int column = 0; column < 3; ++column) m.at(3, column) = number();
        m.at(3, 3) = below(4) == 0 ? moderate() : 1.0F;
        break;
      case 3:  // a rotation exactly as the callers pass it
        m = written::quatToMatrix(conventionRotation());
        break;
      case 4: {  // singular: one row repeated or zero
        m = written::quatToMatrix(quat());
        const int row = static_cast<int>(below(3));
        const int source = static_cast<int>(below(4));
        for (int column = 0; column < 3; ++column) {
          m.at(row, column) = source == 3 ? 0.0F : m.at(source, column);
        }
        break;
      }
      default:  // the identity with single elements changed
        m = identityMatrix;
        for (int k = 0; k < 3; ++k) m.m[below(16)] = number(below(4) == 0);
        break;
    }
    return m;
  }

private:
  std::mt19937 engine_;
};

std::string describe(const auto&... inputs) {
  std::string text = "input";
  ((text += " " + hexFloats(inputs)), ...);
  return text;
}

TEST(WrittenSteps, VectorOperations) {
  Draws draws(1);
  for (int i = 0; i < kCases; ++i) {
    const Vec3 a = draws.vec(true);
    const Vec3 b = draws.vec(true);
    ASSERT_TRUE(sameBits(vecDot(a, b), written::vecDot(a, b))) << describe(a, b);
    ASSERT_TRUE(sameBits(vecCross(a, b), written::vecCross(a, b))) << describe(a, b);
    Vec3 ours = a;
    Vec3 expected = a;
    ASSERT_TRUE(sameBits(vecNormalize(ours), written::vecNormalize(expected)))
        << describe(a);
    ASSERT_TRUE(sameBits(ours, expected)) << describe(a);
  }
}

TEST(WrittenSteps, QuatNormalize) {
  Draws draws(2);
  for (int i = 0; i < kCases; ++i) {
    const Quaternion q = draws.quat(i % 8 == 0);
    ASSERT_TRUE(sameBits(quatNormalize(q), written::quatNormalize(q))) << describe(q);
  }
}

TEST(WrittenSteps, QuatMultiply) {
  Draws draws(3);
  for (int i = 0; i < kCases; ++i) {
    const Quaternion a = draws.quat(i % 8 == 0);
    const Quaternion b = draws.quat(i % 8 == 4);
    ASSERT_TRUE(sameBits(quatMultiply(a, b), written::quatMultiply(a, b)))
        << describe(a, b);
  }
}

TEST(WrittenSteps, QuatToMatrix) {
  Draws draws(4);
  for (int i = 0; i < kCases; ++i) {
    const Quaternion q = draws.quat(i % 8 == 0);
    ASSERT_TRUE(sameBits(quatToMatrix(q), written::quatToMatrix(q))) << describe(q);
  }
}

TEST(WrittenSteps, AxisAngleMatrix) {
  Draws draws(5);
  for (int i = 0; i < kCases; ++i) {
    const Vec3 axis = draws.vec(i % 8 == 0);
    const float cosine = i % 4 == 0 ? draws.number() : draws.uniform(-1, 1);
    const float sine = i % 4 == 1 ? draws.number() : draws.uniform(-1, 1);
    ASSERT_TRUE(sameBits(axisAngleMatrix(axis, cosine, sine),
                         written::axisAngleMatrix(axis, cosine, sine)))
        << describe(axis, cosine, sine);
  }
}

TEST(WrittenSteps, MinorDeterminant) {
  Draws draws(6);
  for (int i = 0; i < kCases; ++i) {
    const Matrix4 m = draws.matrix();
    int k[6];
    for (int& index : k) index = static_cast<int>(draws.below(4));
    ASSERT_TRUE(
        sameBits(minorDeterminant(m, k[0], k[1], k[2], k[3], k[4], k[5]),
                 written::minorDeterminant(m, k[0], k[1], k[2], k[3], k[4], k[5])))
        << describe(m) << " rows " << k[0] << k[1] << k[2] << " columns " << k[3] << k[4]
        << k[5];
  }
}

TEST(WrittenSteps, MatrixInverse) {
  Draws draws(7);
  for (int i = 0; i < kCases; ++i) {
    const Matrix4 m = draws.matrix();
    ASSERT_TRUE(sameBits(matrixInverse(m), written::matrixInverse(m))) << describe(m);
  }
}

TEST(WrittenSteps, DecomposeMatrix) {
  Draws draws(8);
  for (int i = 0; i < kTrigCases; ++i) {
    const Matrix4 m = draws.matrix();
    ASSERT_TRUE(sameBits(decomposeMatrix(m), written::decomposeMatrix(m))) << describe(m);
  }
}

TEST(WrittenSteps, QuatToEulerDegrees) {
  Draws draws(9);
  for (int i = 0; i < kTrigCases; ++i) {
    const Quaternion q =
        i % 2 == 0 ? draws.conventionRotation() : draws.quat(i % 16 == 1);
    ASSERT_TRUE(sameBits(quatToEulerDegrees(q), written::quatToEulerDegrees(q)))
        << describe(q);
  }
}

TEST(WrittenSteps, MatrixToQuat) {
  Draws draws(10);
  for (int i = 0; i < kTrigCases; ++i) {
    const Matrix4 m = draws.matrix();
    ASSERT_TRUE(sameBits(matrixToQuat(m), written::matrixToQuat(m))) << describe(m);
  }
}

TEST(WrittenSteps, ApplyAxisDelta) {
  Draws draws(11);
  const Vec3 axes[] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {0, 0, 0}};
  for (int i = 0; i < kTrigCases; ++i) {
    const Quaternion rotation =
        i % 2 == 0 ? draws.conventionRotation() : draws.quat(i % 16 == 1);
    const Vec3 drawn = draws.vec();
    const std::uint32_t pick = draws.below(8);
    const Vec3* axis = pick < 4 ? &axes[pick] : pick < 7 ? &drawn : nullptr;
    const float applied = draws.uniform(-360, 360);
    float next = draws.uniform(-720, 720);
    switch (draws.below(8)) {
      case 0:
        next = applied;
        break;
      case 1:
        next = applied + 90.0F * (static_cast<float>(draws.below(9)) - 4.0F);
        break;
      case 2:
        next = draws.number(true);
        break;
      default:
        break;
    }
    ASSERT_TRUE(sameBits(applyAxisDelta(rotation, axis, next, applied),
                         written::applyAxisDelta(rotation, axis, next, applied)))
        << describe(rotation) << " axis "
        << (axis == nullptr ? std::string("none") : hexFloats(*axis)) << " "
        << describe(next, applied);
  }
}

// The examples that the rotation math is described by, every one through both.
TEST(WrittenSteps, WrittenExamples) {
  const Vec3 x{1, 0, 0};
  const Vec3 y{0, 1, 0};
  const Vec3 z{0, 0, 1};
  for (Vec3 v : {Vec3{0, 0, 0}, Vec3{3, 0, 4}}) {
    Vec3 expected = v;
    EXPECT_TRUE(sameBits(vecNormalize(v), written::vecNormalize(expected)));
    EXPECT_TRUE(sameBits(v, expected));
  }
  EXPECT_TRUE(sameBits(vecCross(x, y), written::vecCross(x, y)));

  const Quaternion products[][2] = {
      {{0, 1, 0, 0}, {0, 0, 1, 0}},
      {{0, 0, 1, 0}, {0, 1, 0, 0}},
      {{2, 0, 0, 0}, {1, 0, 0, 0}},
  };
  for (const auto& [a, b] : products) {
    EXPECT_TRUE(sameBits(quatMultiply(a, b), written::quatMultiply(a, b)))
        << describe(a, b);
  }

  const float c5 = std::cos(5 * 0.017453292F);
  const float s5 = std::sin(5 * 0.017453292F);
  const Quaternion quats[] = {
      {1, 0, 0, 0},
      {2, 0, 0, 0},
      {0, 1, 0, 0},
      {0, 0, 1, 0},
      {0, 0, 0, 1},
      {c5, -s5, 0, 0},
      test::conventionQuat(30, 90, 20),
      test::conventionQuat(30, -90, 20),
      test::conventionQuat(10, 20, 30),
  };
  for (const Quaternion& q : quats) {
    SCOPED_TRACE(describe(q));
    EXPECT_TRUE(sameBits(quatNormalize(q), written::quatNormalize(q)));
    EXPECT_TRUE(sameBits(quatToMatrix(q), written::quatToMatrix(q)));
    EXPECT_TRUE(sameBits(quatToEulerDegrees(q), written::quatToEulerDegrees(q)));
  }

  struct AxisAngle {
    Vec3 axis;
    float cosine;
    float sine;
  };
  const AxisAngle axisAngles[] = {
      {x, std::cos(10 * 0.017453292F), std::sin(10 * 0.017453292F)},
      {{2, 0, 0}, 0, 1},
      {{0, 0, 0}, 0.5F, 0.8F},
  };
  for (const AxisAngle& a : axisAngles) {
    EXPECT_TRUE(sameBits(axisAngleMatrix(a.axis, a.cosine, a.sine),
                         written::axisAngleMatrix(a.axis, a.cosine, a.sine)))
        << describe(a.axis, a.cosine, a.sine);
  }

  const Matrix4 matrices[] = {
      {{2, 0, 0, 0, 0, 2, 0, 0, 0, 0, 2, 0, 10, 20, 30, 1}},
      {{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 1}},
      {{2, 0, 0, 0, 0, 2, 0, 0, 0, 0, 2, 0, 4, 6, 8, 2}},
      {{-1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 5, 6, 7, 1}},
  };
  for (const Matrix4& m : matrices) {
    SCOPED_TRACE(describe(m));
    EXPECT_TRUE(sameBits(matrixInverse(m), written::matrixInverse(m)));
    EXPECT_TRUE(sameBits(decomposeMatrix(m), written::decomposeMatrix(m)));
    EXPECT_TRUE(sameBits(matrixToQuat(m), written::matrixToQuat(m)));
  }

  struct Delta {
    Quaternion rotation;
    const Vec3* axis;
    float newDegrees;
  };
  const Quaternion yaw20 = written::applyAxisDelta({1, 0, 0, 0}, &y, 20, 0);
  const Quaternion pitch30 = written::applyAxisDelta({1, 0, 0, 0}, &x, 30, 0);
  const Delta deltas[] = {
      {{1, 0, 0, 0}, &x, 10},
      {{1, 0, 0, 0}, &y, 10},
      {{1, 0, 0, 0}, &z, 10},
      {{1, 0, 0, 0}, &x, 350},
      {yaw20, &x, 30},
      {pitch30, &y, 20},
      {{2, 0, 0, 0}, &x, 0},
      {{2, 0, 0, 0}, nullptr, 5},
      {{1, 0, 0, 0}, &y, 90},
      {{1, 0, 0, 0}, &y, -90},
      {{1, 0, 0, 0}, &y, 89.98F},
  };
  for (const Delta& d : deltas) {
    EXPECT_TRUE(sameBits(applyAxisDelta(d.rotation, d.axis, d.newDegrees, 0),
                         written::applyAxisDelta(d.rotation, d.axis, d.newDegrees, 0)))
        << describe(d.rotation, d.newDegrees);
  }
}

}  // namespace
}  // namespace jolvent
