#include "math/vec3.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/math/math_matchers.h"

namespace jolvent {
namespace {

using test::VecNear;

struct ProductCase {
  Vec3 a;
  Vec3 b;
  float dot;
  Vec3 cross;
};

TEST(Vec3, DotAndCrossProducts) {
  const ProductCase cases[] = {
      {{1, 0, 0}, {0, 1, 0}, 0, {0, 0, 1}},
      {{0, 1, 0}, {1, 0, 0}, 0, {0, 0, -1}},  // anticommutative
      {{0, 1, 0}, {0, 0, 1}, 0, {1, 0, 0}},
      {{0, 0, 1}, {1, 0, 0}, 0, {0, 1, 0}},
      {{1, 2, 3}, {4, 5, 6}, 32, {-3, 6, -3}},
      {{2, -1, 0.5F}, {2, -1, 0.5F}, 5.25F, {0, 0, 0}},  // parallel
  };
  for (const ProductCase& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.a) + " and " + ::testing::PrintToString(c.b));
    EXPECT_EQ(vecDot(c.a, c.b), c.dot);
    EXPECT_THAT(vecCross(c.a, c.b), VecNear(c.cross, 0.0F));
  }
}

struct NormalizeCase {
  Vec3 in;
  float length;
  Vec3 out;
};

TEST(Vec3, NormalizeReturnsTheOldLength) {
  const NormalizeCase cases[] = {
      {{3, 0, 4}, 5, {0.6F, 0, 0.8F}},
      {{0, -2, 0}, 2, {0, -1, 0}},
      {{1, 1, 1}, std::sqrt(3.0F), {0.57735027F, 0.57735027F, 0.57735027F}},
      {{0.001F, 0, 0}, 0.001F, {1, 0, 0}},
  };
  for (const NormalizeCase& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.in));
    Vec3 v = c.in;
    EXPECT_FLOAT_EQ(vecNormalize(v), c.length);
    EXPECT_THAT(v, VecNear(c.out, 1e-6F));
  }
}

TEST(Vec3, NormalizeLeavesAVectorWithoutLengthAlone) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  // The last one has a length, but its square vanishes in single precision.
  const Vec3 cases[] = {{0, 0, 0}, {nan, 1, 0}, {1e-30F, 0, 0}};
  for (const Vec3& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c));
    Vec3 v = c;
    EXPECT_EQ(vecNormalize(v), 0.0F);
    EXPECT_TRUE(std::isnan(v.x) || v.x == c.x);
    EXPECT_EQ(v.y, c.y);
    EXPECT_EQ(v.z, c.z);
  }
}

}  // namespace
}  // namespace jolvent
