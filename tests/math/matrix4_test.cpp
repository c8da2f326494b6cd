#include "math/matrix4.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "tests/math/math_matchers.h"

namespace jolvent {
namespace {

using test::kAxisX;
using test::kAxisY;
using test::kAxisZ;
using test::MatrixNear;
using test::VecNear;

Matrix4 affine(float d0, float d1, float d2, Vec3 translation = {}) {
  Matrix4 m = identityMatrix;
  m.at(0, 0) = d0;
  m.at(1, 1) = d1;
  m.at(2, 2) = d2;
  m.at(3, 0) = translation.x;
  m.at(3, 1) = translation.y;
  m.at(3, 2) = translation.z;
  return m;
}

// Rotation by 10 degrees about X: +Y turns toward +Z.
Matrix4 tenDegreesAboutX() {
  const float c = 0.98480775F;
  const float s = 0.17364818F;
  return {{1, 0, 0, 0, 0, c, s, 0, 0, -s, c, 0, 0, 0, 0, 1}};
}

// p * M for a direction given as a row vector.
Vec3 turn(const Vec3& p, const Matrix4& m) {
  Vec3 result;
  float* out[3] = {&result.x, &result.y, &result.z};
  for (int column = 0; column < 3; ++column) {
    *out[column] = p.x * m.at(0, column) + p.y * m.at(1, column) + p.z * m.at(2, column);
  }
  return result;
}

Matrix4 product(const Matrix4& a, const Matrix4& b) {
  Matrix4 result;
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) {
      double sum = 0.0;
      for (int k = 0; k < 4; ++k) sum += double{a.at(row, k)} * b.at(k, column);
      result.at(row, column) = static_cast<float>(sum);
    }
  }
  return result;
}

struct QuatCase {
  const char* name;
  Quaternion q;
  Matrix4 expected;
};

TEST(QuatToMatrix, Examples) {
  const float c5 = std::cos(5 * 0.017453292F);
  const float s5 = std::sin(5 * 0.017453292F);
  const QuatCase cases[] = {
      {"identity of any length", {2, 0, 0, 0}, identityMatrix},
      {"half turn about Y", {0, 0, 1, 0}, affine(-1, 1, -1)},
      {"half turn about X", {0, -1, 0, 0}, affine(1, -1, -1)},
      {"10 degrees about X", {c5, -s5, 0, 0}, tenDegreesAboutX()},
      {"10 degrees about X, length 3", {3 * c5, -3 * s5, 0, 0}, tenDegreesAboutX()},
  };
  for (const QuatCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_THAT(quatToMatrix(c.q), MatrixNear(c.expected, 1e-6F));
  }
}

// The shared sense of rotation: a positive angle turns +Y toward +Z about X,
// +Z toward +X about Y, +X toward +Y about Z, and a third of a turn about
// (1, 1, 1) carries X to Y. The quaternion and the axis-angle forms agree.
TEST(QuatToMatrix, SenseOfRotationMatchesAxisAngle) {
  struct SenseCase {
    Vec3 axis;
    float degrees;
    Vec3 from;
    Vec3 to;
  };
  const SenseCase cases[] = {
      {kAxisX, 90, {0, 1, 0}, {0, 0, 1}},     {kAxisY, 90, {0, 0, 1}, {1, 0, 0}},
      {kAxisZ, 90, {1, 0, 0}, {0, 1, 0}},     {{0, 0, -1}, 90, {1, 0, 0}, {0, -1, 0}},
      {{1, 1, 1}, 120, {1, 0, 0}, {0, 1, 0}}, {{1, 1, 1}, 120, {0, 1, 0}, {0, 0, 1}},
  };
  for (const SenseCase& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.axis) + " by " + std::to_string(c.degrees));
    const double half = c.degrees * test::kRadiansPerDegreeExact / 2.0;
    const double length = std::sqrt(double{vecDot(c.axis, c.axis)});
    const auto component = [&](float u) {
      return static_cast<float>(-std::sin(half) * u / length);
    };
    const Quaternion q{static_cast<float>(std::cos(half)), component(c.axis.x),
                       component(c.axis.y), component(c.axis.z)};
    const Matrix4 fromQuat = quatToMatrix(q);
    const Matrix4 fromAxis =
        axisAngleMatrix(c.axis, static_cast<float>(std::cos(2 * half)),
                        static_cast<float>(std::sin(2 * half)));
    EXPECT_THAT(turn(c.from, fromQuat), VecNear(c.to, 1e-6F));
    EXPECT_THAT(fromAxis, MatrixNear(fromQuat, 1e-6F));
  }
}

// Squares that underflow or overflow in single precision leave the
// rotation, to the bit the one at unit scale; only the all-zero quaternion
// has none and gives the identity.
TEST(QuatToMatrix, TinyAndHugeQuaternionsKeepTheirRotation) {
  const Matrix4 halfTurnAboutX = affine(1, -1, -1);
  const Matrix4 halfTurnAboutY = affine(-1, 1, -1);
  const QuatCase cases[] = {
      {"every square underflows to 0", {0, 1e-30F, 0, 0}, halfTurnAboutX},
      {"the square is the smallest denormal", {0, 0, 3e-23F, 0}, halfTurnAboutY},
      {"denormal", {0, -1e-40F, 0, 0}, halfTurnAboutX},
      {"the square overflows", {1e20F, 0, 0, 0}, identityMatrix},
      {"all zero", {0, 0, 0, 0}, identityMatrix},
      {"all zero, negative zeros", {-0.0F, 0, -0.0F, 0}, identityMatrix},
  };
  for (const QuatCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_THAT(quatToMatrix(c.q), MatrixNear(c.expected, 0.0F));
  }
  const float c5 = std::cos(5 * 0.017453292F);
  const float s5 = std::sin(5 * 0.017453292F);
  const Quaternion q{c5, -s5, 0.25F, -0.125F};
  for (const int exponent : {-100, -70, 70, 100}) {
    SCOPED_TRACE(exponent);
    const Quaternion rescaled{std::scalbn(q.w, exponent), std::scalbn(q.x, exponent),
                              std::scalbn(q.y, exponent), std::scalbn(q.z, exponent)};
    EXPECT_TRUE(test::sameBits(quatToMatrix(rescaled), quatToMatrix(q)));
  }
}

struct AxisAngleCase {
  const char* name;
  Vec3 axis;
  float cosine;
  float sine;
  Matrix4 expected;
};

TEST(AxisAngleMatrix, Examples) {
  const Matrix4 quarterAboutX{{1, 0, 0, 0, 0, 0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1}};
  const AxisAngleCase cases[] = {
      {"axis of length 2 is normalised", {2, 0, 0}, 0, 1, quarterAboutX},
      {"zero axis used as it is", {0, 0, 0}, 0.5F, 0.8F, affine(0.5F, 0.5F, 0.5F)},
      {"10 degrees about X", kAxisX, 0.98480775F, 0.17364818F, tenDegreesAboutX()},
      {"no turn", {0.3F, -2, 5}, 1, 0, identityMatrix},
      {"half turn about Y", kAxisY, -1, 0, affine(-1, 1, -1)},
  };
  for (const AxisAngleCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_THAT(axisAngleMatrix(c.axis, c.cosine, c.sine), MatrixNear(c.expected, 1e-7F));
  }
}

TEST(MinorDeterminant, PicksRowsAndColumnsInTheGivenOrder) {
  const Matrix4 m{{2, 0, 1, 3,  //
                   1, 3, 2, 0,  //
                   0, 1, 4, 2,  //
                   5, 1, 0, 1}};
  struct MinorCase {
    int rows[3];
    int columns[3];
    float determinant;
  };
  const MinorCase cases[] = {
      {{0, 1, 2}, {0, 1, 2}, 21},  {{1, 2, 3}, {0, 1, 3}, 29},
      {{0, 2, 3}, {1, 2, 3}, -11}, {{1, 0, 2}, {0, 1, 2}, -21},  // two rows swapped
      {{0, 1, 2}, {2, 1, 0}, -21},                               // columns reversed
      {{3, 3, 1}, {0, 1, 2}, 0},                                 // a row twice
  };
  for (const MinorCase& c : cases) {
    EXPECT_EQ(minorDeterminant(m, c.rows[0], c.rows[1], c.rows[2], c.columns[0],
                               c.columns[1], c.columns[2]),
              c.determinant)
        << "rows " << c.rows[0] << c.rows[1] << c.rows[2] << ", columns " << c.columns[0]
        << c.columns[1] << c.columns[2];
  }
}

TEST(MatrixInverse, ScaleAndTranslation) {
  EXPECT_THAT(matrixInverse(affine(2, 2, 2, {10, 20, 30})),
              MatrixNear(affine(0.5F, 0.5F, 0.5F, {-5, -10, -15}), 0.0F));
  EXPECT_THAT(matrixInverse(affine(-1, 4, 0.5F, {1, 2, 3})),
              MatrixNear(affine(-1, 0.25F, 2, {1, -0.5F, -6}), 0.0F));
}

// Rotation, scale, shear and translation together; both products with the
// inverse give the identity (to rounding relative to a translation of 12).
TEST(MatrixInverse, UndoesAffineMatrices) {
  const Matrix4 rotation = axisAngleMatrix({1, 2, 3}, 0.6F, 0.8F);
  Matrix4 scaledRotation = rotation;
  for (int column = 0; column < 3; ++column) {
    scaledRotation.at(0, column) *= 3.0F;
    scaledRotation.at(2, column) *= -0.25F;
  }
  scaledRotation.at(3, 0) = -7;
  scaledRotation.at(3, 2) = 12;
  const Matrix4 cases[] = {
      rotation,
      scaledRotation,
      {{1, 0.5F, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 4, 5, 6, 1}},  // shear
      {{2, 0, 1, 0, 1, 3, 2, 0, 0, 1, 4, 0, 5, 1, -2, 1}},    // no structure
  };
  for (const Matrix4& m : cases) {
    SCOPED_TRACE(::testing::PrintToString(m));
    const Matrix4 inverse = matrixInverse(m);
    EXPECT_THAT(product(m, inverse), MatrixNear(identityMatrix, 1e-5F));
    EXPECT_THAT(product(inverse, m), MatrixNear(identityMatrix, 1e-5F));
  }
}

// Without an inverse of the upper-left block the input comes back bit for
// bit, translation included; a not-a-number determinant counts as zero.
TEST(MatrixInverse, SingularBlockIsReturnedUnchanged) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  Matrix4 repeatedRow = affine(1, 2, 3, {7, 8, 9});
  repeatedRow.at(1, 0) = 1;
  repeatedRow.at(1, 1) = 0;
  repeatedRow.at(1, 2) = 0;
  const Matrix4 cases[] = {
      affine(0, 0, 0, {1, 2, 3}),
      repeatedRow,
      affine(nan, 1, 1, {4, 5, 6}),
  };
  for (const Matrix4& m : cases) {
    SCOPED_TRACE(::testing::PrintToString(m));
    const Matrix4 inverse = matrixInverse(m);
    EXPECT_EQ(std::memcmp(inverse.m, m.m, sizeof m.m), 0)
        << ::testing::PrintToString(inverse);
  }
}

}  // namespace
}  // namespace jolvent
