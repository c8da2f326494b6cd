#include "math/quaternion.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/math/math_matchers.h"

namespace jolvent {
namespace {

using test::QuatNear;

struct ProductCase {
  const char* name;
  Quaternion a;
  Quaternion b;
  Quaternion product;
};

TEST(Quaternion, MultiplyIsTheNormalisedHamiltonProduct) {
  const ProductCase cases[] = {
      {"i j = k", {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}},
      {"j i = -k", {0, 0, 1, 0}, {0, 1, 0, 0}, {0, 0, 0, -1}},
      {"k k = -1", {0, 0, 0, 1}, {0, 0, 0, 1}, {-1, 0, 0, 0}},
      {"length drops out", {2, 0, 0, 0}, {1, 0, 0, 0}, {1, 0, 0, 0}},
      {"identity on the left", {1, 0, 0, 0}, {0, 3, 0, 4}, {0, 0.6F, 0, 0.8F}},
      // (1 + i)(1 + j) = 1 + i + j + k, of length 2.
      {"general", {1, 1, 0, 0}, {1, 0, 1, 0}, {0.5F, 0.5F, 0.5F, 0.5F}},
      // (1 + j)(1 + i) = 1 + i + j - k: the order matters.
      {"general reversed", {1, 0, 1, 0}, {1, 1, 0, 0}, {0.5F, 0.5F, 0.5F, -0.5F}},
      // (1 + 2i + 2j + 4k)(2 - 4i + 5j - 2k) = 8 - 24i - 3j + 24k, of length 35.
      {"all components",
       {1, 2, 2, 4},
       {2, -4, 5, -2},
       {8.0F / 35, -24.0F / 35, -3.0F / 35, 24.0F / 35}},
  };
  for (const ProductCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_THAT(quatMultiply(c.a, c.b), QuatNear(c.product, 1e-6F));
  }
}

TEST(Quaternion, NormalizeScalesToUnitLength) {
  const Quaternion cases[][2] = {
      {{2, 0, 0, 0}, {1, 0, 0, 0}},
      {{1, 1, 1, 1}, {0.5F, 0.5F, 0.5F, 0.5F}},
      {{0, -3, 0, 4}, {0, -0.6F, 0, 0.8F}},
      {{1e-3F, 0, 1e-3F, 0}, {0.70710678F, 0, 0.70710678F, 0}},
      {{0.70710678F, 0, -0.70710678F, 0}, {0.70710678F, 0, -0.70710678F, 0}},
  };
  for (const auto& [in, out] : cases) {
    SCOPED_TRACE(::testing::PrintToString(in));
    const Quaternion q = quatNormalize(in);
    EXPECT_THAT(q, QuatNear(out, 1e-6F));
    EXPECT_NEAR(q.w * q.w + q.x * q.x + q.y * q.y + q.z * q.z, 1.0F, 2e-7F);
  }
}

// No rotation can be read from an all-zero quaternion; the identity is
// returned rather than not-a-numbers.
TEST(Quaternion, AllZeroGivesTheIdentity) {
  const Quaternion zero{0, 0, 0, 0};
  const Quaternion identity{1, 0, 0, 0};
  EXPECT_THAT(quatNormalize(zero), QuatNear(identity, 0.0F));
  EXPECT_THAT(quatMultiply(zero, Quaternion{0, 1, 0, 0}), QuatNear(identity, 0.0F));
  EXPECT_THAT(quatMultiply(Quaternion{0, 1, 0, 0}, zero), QuatNear(identity, 0.0F));
}

}  // namespace
}  // namespace jolvent
