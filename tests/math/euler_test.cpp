#include "math/euler.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/math/math_matchers.h"

namespace jolvent {
namespace {

using test::conventionQuat;
using test::EulerNear;
using test::kAxisX;
using test::kAxisY;
using test::kAxisZ;
using test::MatrixNear;
using test::QuatNear;
using test::SameRotationAs;
using test::VecNear;

constexpr Quaternion kIdentity{1, 0, 0, 0};
constexpr float kDegreesTolerance = 1e-4F;
constexpr float kPi = 3.14159265F;

struct ReadBackCase {
  const char* name;
  Quaternion q;
  EulerDegrees expected;
};

// Yaw comes from an arcsine of minus an element that is +0 for all of
// these, so it is a negative zero.
TEST(QuatToEulerDegrees, HalfTurnsAndIdentity) {
  const ReadBackCase cases[] = {
      {"identity", {1, 0, 0, 0}, {0, -0.0F, 0}},
      {"identity of length 2", {2, 0, 0, 0}, {0, -0.0F, 0}},
      {"half turn about X", {0, 1, 0, 0}, {180, -0.0F, 0}},
      {"half turn about Z", {0, 0, 0, 1}, {0, -0.0F, 180}},
      {"half turn about Y stays within the yaw range", {0, 0, 1, 0}, {180, -0.0F, 180}},
      {"half turn about X whose squares underflow", {0, 1e-30F, 0, 0}, {180, -0.0F, 0}},
  };
  for (const ReadBackCase& c : cases) {
    SCOPED_TRACE(c.name);
    const EulerDegrees e = quatToEulerDegrees(c.q);
    EXPECT_THAT(e, EulerNear(c.expected, kDegreesTolerance));
    EXPECT_EQ(e.yaw, 0.0F);
    EXPECT_TRUE(std::signbit(e.yaw));
  }
}

TEST(QuatToEulerDegrees, RecoversTheAnglesOfTheConvention) {
  const EulerDegrees cases[] = {
      {10, 20, 30}, {-150, 45, 170}, {0, -60, -90}, {179, -89, 1}, {-45, 0, 135},
  };
  for (const EulerDegrees& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c));
    EXPECT_THAT(quatToEulerDegrees(conventionQuat(c.pitch, c.yaw, c.roll)),
                EulerNear(c, 2e-4F));
  }
}

// Within the gimbal band only pitch - roll (yaw 90) or pitch + roll
// (yaw -90) is known, and all of it goes to pitch.
TEST(QuatToEulerDegrees, GimbalCaseGivesEverythingToPitch) {
  const ReadBackCase cases[] = {
      {"yaw 90", conventionQuat(30, 90, 20), {10, 90, 0}},
      {"yaw -90", conventionQuat(30, -90, 20), {50, -90, 0}},
      {"yaw 90, roll only", conventionQuat(0, 90, 40), {-40, 90, 0}},
      {"yaw -90, pitch and roll past 180", conventionQuat(170, -90, 60), {-130, -90, 0}},
  };
  for (const ReadBackCase& c : cases) {
    SCOPED_TRACE(c.name);
    const EulerDegrees e = quatToEulerDegrees(c.q);
    EXPECT_THAT(e, EulerNear(c.expected, kDegreesTolerance));
    EXPECT_EQ(e.roll, 0.0F);
  }
}

struct DeltaCase {
  const char* name;
  Vec3 axis;
  float newDegrees;
  float appliedDegrees;
  Quaternion rotation;
  EulerDegrees readBack;
};

TEST(ApplyAxisDelta, TurnsTheIdentityAboutOneAxis) {
  const float c10 = 0.99619470F;
  const float s10 = 0.08715574F;
  const float r = 0.70710678F;
  const DeltaCase cases[] = {
      {"pitch", kAxisX, 10, 0, {c10, -s10, 0, 0}, {10, 0, 0}},
      {"yaw", kAxisY, 10, 0, {c10, 0, -s10, 0}, {0, 10, 0}},
      {"roll", kAxisZ, 10, 0, {c10, 0, 0, -s10}, {0, 0, 10}},
      {"only the difference counts", kAxisZ, 25, 15, {c10, 0, 0, -s10}, {0, 0, 10}},
      {"negative difference", kAxisX, -5, 5, {c10, s10, 0, 0}, {-10, 0, 0}},
      {"350 folds to -10", kAxisX, 350, 0, {c10, s10, 0, 0}, {-10, 0, 0}},
      {"axis length does not count", {0, 0, 4}, 10, 0, {c10, 0, 0, -s10}, {0, 0, 10}},
      {"yaw 90, gimbal case", kAxisY, 90, 0, {r, 0, -r, 0}, {0, 90, 0}},
      {"yaw -90, gimbal case", kAxisY, -90, 0, {r, 0, r, 0}, {0, -90, 0}},
  };
  for (const DeltaCase& c : cases) {
    SCOPED_TRACE(c.name);
    const Quaternion q =
        applyAxisDelta(kIdentity, &c.axis, c.newDegrees, c.appliedDegrees);
    EXPECT_THAT(q, SameRotationAs(c.rotation, 2e-6F));
    EXPECT_THAT(quatToEulerDegrees(q), EulerNear(c.readBack, kDegreesTolerance));
  }
}

// sin(89.98 degrees) = 1 - 6.1e-8 becomes the float 1 - 2^-24, whose arcsine
// is 89.98021 degrees: the yaw reads back 2e-4 degrees off, on the float grid
// next to 90. Its cosine, 0.000345, keeps the general case, which
// DecomposeMatrix.GeneralCaseReachesTheGimbalBand pins down.
TEST(ApplyAxisDelta, YawJustOutsideTheGimbalBandReadsBackCoarsely) {
  const Quaternion q = applyAxisDelta(kIdentity, &kAxisY, 89.98F, 0);
  const EulerDegrees e = quatToEulerDegrees(q);
  EXPECT_NEAR(e.yaw, 89.9802F, 1e-3F);
  EXPECT_NEAR(e.pitch, 0.0F, kDegreesTolerance);
  EXPECT_NEAR(e.roll, 0.0F, kDegreesTolerance);
}

// The increment goes on the left, so a pitch increment adds to the read-back
// pitch whatever the other angles, and the order of increments matters.
TEST(ApplyAxisDelta, IncrementsComposeOnTheLeft) {
  struct SequenceCase {
    const char* name;
    Vec3 first;
    float firstDegrees;
    Vec3 second;
    float secondDegrees;
    Quaternion rotation;
    EulerDegrees readBack;
  };
  const SequenceCase cases[] = {
      {"yaw 20 then pitch 30",
       kAxisY,
       20,
       kAxisX,
       30,
       {0.95125F, -0.25489F, -0.16773F, 0.04494F},
       {30, 20, 0}},
      {"pitch 30 then yaw 20",
       kAxisX,
       30,
       kAxisY,
       20,
       {0.95125F, -0.25489F, -0.16773F, -0.04494F},
       {31.566704F, 17.229397F, 10.314105F}},
  };
  for (const SequenceCase& c : cases) {
    SCOPED_TRACE(c.name);
    const Quaternion once = applyAxisDelta(kIdentity, &c.first, c.firstDegrees, 0);
    const Quaternion twice = applyAxisDelta(once, &c.second, c.secondDegrees, 0);
    EXPECT_THAT(twice, SameRotationAs(c.rotation, 1e-5F));
    EXPECT_THAT(quatToEulerDegrees(twice), EulerNear(c.readBack, kDegreesTolerance));
  }
}

TEST(ApplyAxisDelta, PitchIncrementAddsToAnyReadBackPitch) {
  const EulerDegrees starts[] = {{10, 20, 30}, {-100, -50, 170}, {0, 70, -80}};
  for (const EulerDegrees& start : starts) {
    SCOPED_TRACE(::testing::PrintToString(start));
    const Quaternion q = applyAxisDelta(
        conventionQuat(start.pitch, start.yaw, start.roll), &kAxisX, 15, 0);
    EXPECT_THAT(quatToEulerDegrees(q),
                EulerNear(EulerDegrees{start.pitch + 15, start.yaw, start.roll}, 2e-4F));
  }
}

// A yaw carried past 90 comes back below 90 with pitch and roll turned half
// way round.
TEST(ApplyAxisDelta, YawPastNinetyReadsBackMirrored) {
  const Quaternion q = applyAxisDelta(kIdentity, &kAxisY, 100, 0);
  EXPECT_THAT(quatToEulerDegrees(q), EulerNear(EulerDegrees{180, 80, 180}, 2e-4F));
}

// No axis, or no change of the angle: the rotation is only made unit length.
TEST(ApplyAxisDelta, WithoutATurnOnlyRenormalises) {
  struct RenormaliseCase {
    const Vec3* axis;
    float newDegrees;
    float appliedDegrees;
    Quaternion rotation;
    Quaternion expected;
  };
  const RenormaliseCase cases[] = {
      {nullptr, 30, 0, {2, 0, 0, 0}, {1, 0, 0, 0}},
      {nullptr, 0, 0, {0, 0, 3, 4}, {0, 0, 0.6F, 0.8F}},
      {&kAxisY, 42, 42, {0, 0, 3, 4}, {0, 0, 0.6F, 0.8F}},
      {&kAxisX, -7.5F, -7.5F, {1, 1, 1, 1}, {0.5F, 0.5F, 0.5F, 0.5F}},
  };
  for (const RenormaliseCase& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.rotation));
    EXPECT_THAT(applyAxisDelta(c.rotation, c.axis, c.newDegrees, c.appliedDegrees),
                QuatNear(c.expected, 1e-6F));
  }
}

TEST(MatrixToQuat, GivesBackTheRotationOfTheMatrix) {
  const Quaternion cases[] = {
      conventionQuat(10, 20, 30),  conventionQuat(-170, 80, 95),
      conventionQuat(30, 90, 20),  // gimbal case: still the same rotation
      conventionQuat(0, -90, -45), {0, 0, 1, 0},
  };
  for (const Quaternion& q : cases) {
    SCOPED_TRACE(::testing::PrintToString(q));
    const Quaternion back = matrixToQuat(quatToMatrix(q));
    EXPECT_THAT(back, SameRotationAs(q, 2e-6F));
    EXPECT_THAT(quatToMatrix(back), MatrixNear(quatToMatrix(q), 2e-6F));
  }
}

struct DecomposeCase {
  const char* name;
  Matrix4 m;
  Vec3 scale;
  Vec3 shear;
  Vec3 angles;
  Vec3 translation;
};

TEST(DecomposeMatrix, Examples) {
  // Rows of the rotation (pitch 10, yaw 20, roll 30) scaled by 2, 3 and 4.
  Matrix4 scaledRotation = quatToMatrix(conventionQuat(10, 20, 30));
  for (int column = 0; column < 3; ++column) {
    scaledRotation.at(0, column) *= 2;
    scaledRotation.at(1, column) *= 3;
    scaledRotation.at(2, column) *= 4;
  }
  const float d = kRadiansPerDegree;
  const DecomposeCase cases[] = {
      {"homogeneous division",
       {{2, 0, 0, 0, 0, 2, 0, 0, 0, 0, 2, 0, 4, 6, 8, 2}},
       {1, 1, 1},
       {0, 0, 0},
       {0, 0, 0},
       {2, 3, 4}},
      {"mirroring",
       {{-1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 5, 6, 7, 1}},
       {-1, -1, -1},
       {0, 0, 0},
       {-kPi, 0, 0},
       {5, 6, 7}},
      {"shear of Y along X",
       {{2, 0, 0, 0, 1, 3, 0, 0, 0, 0, 4, 0, 0, 0, 0, 1}},
       {2, 3, 4},
       {0, 0, 1.0F / 3},
       {0, 0, 0},
       {0, 0, 0}},
      {"scaled rotation",
       scaledRotation,
       {2, 3, 4},
       {0, 0, 0},
       {10 * d, 20 * d, 30 * d},
       {0, 0, 0}},
  };
  for (const DecomposeCase& c : cases) {
    SCOPED_TRACE(c.name);
    const MatrixDecomposition result = decomposeMatrix(c.m);
    EXPECT_THAT(result.scale, VecNear(c.scale, 2e-6F));
    EXPECT_THAT(result.shear, VecNear(c.shear, 2e-6F));
    EXPECT_THAT(result.angles, VecNear(c.angles, 2e-6F));
    EXPECT_THAT(result.translation, VecNear(c.translation, 0.0F));
  }
}

// Rx(pitch) Ry(yaw) Rz(roll) for row vectors, formed in double from the sine
// of the yaw so that the float grid next to 90 degrees can be hit exactly.
Matrix4 conventionMatrix(double pitch, double sinYaw, double roll) {
  const double a = pitch * test::kRadiansPerDegreeExact;
  const double g = roll * test::kRadiansPerDegreeExact;
  const double sa = std::sin(a);
  const double ca = std::cos(a);
  const double sg = std::sin(g);
  const double cg = std::cos(g);
  const double sb = sinYaw;
  const double cb = std::sqrt(1.0 - sb * sb);
  const double rows[3][3] = {{cb * cg, cb * sg, -sb},
                             {sa * sb * cg - ca * sg, sa * sb * sg + ca * cg, sa * cb},
                             {ca * sb * cg + sa * sg, ca * sb * sg - sa * cg, ca * cb}};
  Matrix4 m = identityMatrix;
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      m.at(row, column) = static_cast<float>(rows[row][column]);
    }
  }
  return m;
}

// In single precision the yaw next below 90 degrees is asin(1 - 2^-24) =
// 89.98021 degrees, cos 0.000345: still the general case, which gets pitch
// and roll right. Only a sine of exactly 1 falls into the gimbal band.
TEST(DecomposeMatrix, GeneralCaseReachesTheGimbalBand) {
  const double below = 1.0 - std::ldexp(1.0, -24);
  struct EdgeCase {
    double pitch;
    double sinYaw;
    double roll;
    EulerDegrees expected;
  };
  const EdgeCase cases[] = {
      {30, below, 20, {30, 89.98021F, 20}},
      {-120, -below, 75, {-120, -89.98021F, 75}},
      {30, 1, 20, {10, 90, 0}},
      {-120, -1, 75, {-45, -90, 0}},
  };
  for (const EdgeCase& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.expected));
    const Vec3 angles =
        decomposeMatrix(conventionMatrix(c.pitch, c.sinYaw, c.roll)).angles;
    const EulerDegrees degrees{angles.x * kDegreesPerRadian, angles.y * kDegreesPerRadian,
                               angles.z * kDegreesPerRadian};
    EXPECT_THAT(degrees, EulerNear(c.expected, kDegreesTolerance));
  }
}

TEST(DecomposeMatrix, ZeroBlockGivesZeroScaleAndAngles) {
  Matrix4 m;
  m.at(3, 0) = 1;
  m.at(3, 1) = 2;
  m.at(3, 2) = 3;
  m.at(3, 3) = 1;
  const MatrixDecomposition result = decomposeMatrix(m);
  EXPECT_THAT(result.scale, VecNear(Vec3{0, 0, 0}, 0.0F));
  EXPECT_THAT(result.angles, VecNear(Vec3{0, 0, 0}, 0.0F));
  EXPECT_THAT(result.translation, VecNear(Vec3{1, 2, 3}, 0.0F));
}

}  // namespace
}  // namespace jolvent
