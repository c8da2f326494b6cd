#include "math/quaternion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "tests/math/math_matchers.h"

namespace jolvent {
namespace {

using test::QuatNear;
using test::sameBits;

Quaternion scaled(const Quaternion& q, int exponent) {
  return {std::scalbn(q.w, exponent), std::scalbn(q.x, exponent),
          std::scalbn(q.y, exponent), std::scalbn(q.z, exponent)};
}

// Components of magnitude 2^-10 to 1 and zeros: scaled by 2^-80 or 2^70,
// every component and every product of two stays a normal float.
Quaternion drawQuaternion(std::mt19937& engine) {
  const auto component = [&engine] {
    const std::uint32_t word = engine();
    if (word % 8 == 0) return 0.0F;
    const float magnitude = std::ldexp(1.0F + static_cast<float>(word >> 9) * 0x1p-23F,
                                       -static_cast<int>(word % 11));
    return (word & 2) != 0 ? -magnitude : magnitude;
  };
  for (;;) {
    const Quaternion q{component(), component(), component(), component()};
    if (q.w != 0 || q.x != 0 || q.y != 0 || q.z != 0) return q;
  }
}

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

// A quaternion whose squares underflow or overflow in single precision
// still has a direction, and normalising finds it.
TEST(Quaternion, NormalizeFindsTheDirectionOfTinyAndHugeQuaternions) {
  const Quaternion cases[][2] = {
      {{0, 1e-30F, 0, 0}, {0, 1, 0, 0}},    // every square underflows to 0
      {{0, 0, -3e-23F, 0}, {0, 0, -1, 0}},  // the square is the smallest denormal
      {{1e-30F, 1e-30F, 1e-30F, 1e-30F}, {0.5F, 0.5F, 0.5F, 0.5F}},
      {{1e-40F, 0, 0, -1e-40F}, {0.70710678F, 0, 0, -0.70710678F}},  // denormal input
      {{1e20F, 0, 0, 0}, {1, 0, 0, 0}},  // the square overflows
      {{3e38F, -3e38F, 0, 0}, {0.70710678F, -0.70710678F, 0, 0}},
  };
  for (const auto& [in, out] : cases) {
    SCOPED_TRACE(::testing::PrintToString(in));
    EXPECT_THAT(quatNormalize(in), QuatNear(out, 6e-8F));
    EXPECT_THAT(quatMultiply(in, Quaternion{1, 0, 0, 0}), QuatNear(out, 6e-8F));
    EXPECT_THAT(quatMultiply(Quaternion{1, 0, 0, 0}, in), QuatNear(out, 6e-8F));
  }
}

// Scaling by a power of two is exact, and so the result is the one at unit
// scale to the last bit.
TEST(Quaternion, TinyAndHugeQuaternionsNormaliseAsAtUnitScale) {
  std::mt19937 engine(42);
  for (int i = 0; i < 20000; ++i) {
    const Quaternion a = drawQuaternion(engine);
    const Quaternion b = drawQuaternion(engine);
    for (const int exponent : {-80, 70}) {
      ASSERT_TRUE(sameBits(quatNormalize(scaled(a, exponent)), quatNormalize(a)))
          << test::hexFloats(a) << " * 2^" << exponent;
      ASSERT_TRUE(sameBits(quatMultiply(scaled(a, exponent), b), quatMultiply(a, b)))
          << test::hexFloats(a) << " * 2^" << exponent << " times " << test::hexFloats(b);
    }
  }
}

// No rotation can be read from an all-zero quaternion; the identity is
// returned rather than not-a-numbers.
TEST(Quaternion, AllZeroGivesTheIdentity) {
  const Quaternion zero{0, 0, 0, 0};
  const Quaternion identity{1, 0, 0, 0};
  EXPECT_THAT(quatNormalize(zero), QuatNear(identity, 0.0F));
  EXPECT_THAT(quatNormalize(Quaternion{-0.0F, 0, -0.0F, 0}), QuatNear(identity, 0.0F));
  EXPECT_THAT(quatMultiply(zero, Quaternion{0, 1, 0, 0}), QuatNear(identity, 0.0F));
  EXPECT_THAT(quatMultiply(Quaternion{0, 1, 0, 0}, zero), QuatNear(identity, 0.0F));
}

}  // namespace
}  // namespace jolvent
