#include "workbench/app/timeline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace jolvent::workbench {
namespace {

TEST(Slerp, HalfWayAboutOneAxisAndTheShortArc) {
  const float half = std::sqrt(0.5F);
  const Quaternion identity{};
  const Quaternion quarter{half, 0, 0, -half};  // 90 degrees about Z
  const Quaternion eighth = slerp(identity, quarter, 0.5F);
  EXPECT_NEAR(eighth.w, std::cos(0.3926991F), 1e-6);
  EXPECT_NEAR(eighth.z, -std::sin(0.3926991F), 1e-6);
  // -quarter is the same rotation: the blend must not swing the long way.
  const Quaternion viaNegated = slerp(identity, {-half, 0, 0, half}, 0.5F);
  EXPECT_NEAR(std::fabs(viaNegated.w), eighth.w, 1e-6);
  EXPECT_NEAR(viaNegated.z / viaNegated.w, eighth.z / eighth.w, 1e-6);
}

TEST(Timeline, HoldsTheEndsAndBlendsBetweenKeys) {
  const float half = std::sqrt(0.5F);
  const std::vector<standin::MotionKey> keys{{0, {}, 0}, {10, {half, -half, 0, 0}, 4}};
  EXPECT_FALSE(evaluateMotion({}, 3).has_value());
  EXPECT_FLOAT_EQ(evaluateMotion(keys, -5)->value, 0);
  EXPECT_FLOAT_EQ(evaluateMotion(keys, 50)->value, 4);
  const Pose middle = *evaluateMotion(keys, 5);
  EXPECT_FLOAT_EQ(middle.value, 2);
  EXPECT_NEAR(middle.rotation.x, -std::sin(0.3926991F), 1e-6);
}

}  // namespace
}  // namespace jolvent::workbench
