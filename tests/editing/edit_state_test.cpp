#include "editing/edit_state.h"

#include <gtest/gtest.h>

namespace jolvent {
namespace {

TEST(EditState, StartsWithEverythingZero) {
  resetEditingState();
  const EditState& state = editState();
  EXPECT_EQ(state.hostApp, nullptr);
  EXPECT_FALSE(state.editBracketOpen);
  EXPECT_EQ(state.ballJointHandle, 0U);
  EXPECT_EQ(state.activeControl, Channel::none);
  EXPECT_FALSE(state.removingGuide);
  for (float value : {state.pitch, state.yaw, state.roll, state.appliedPitch,
                      state.appliedYaw, state.appliedRoll, state.jointValue,
                      state.rotation.w, state.rotation.x, state.undoRotation.w}) {
    EXPECT_EQ(value, 0.0F);
  }
}

TEST(AngleLimits, StartAtPlusMinus360AndTheJointAtPlusMinus100) {
  resetEditingState();
  const AngleLimits& limits = angleLimits();
  EXPECT_EQ(limits.pitchMin, -360.0F);
  EXPECT_EQ(limits.pitchMax, 360.0F);
  EXPECT_EQ(limits.yawMin, -360.0F);
  EXPECT_EQ(limits.yawMax, 360.0F);
  EXPECT_EQ(limits.rollMin, -360.0F);
  EXPECT_EQ(limits.rollMax, 360.0F);
  EXPECT_EQ(limits.jointMin, -100.0F);
  EXPECT_EQ(limits.jointMax, 100.0F);
}

TEST(AngleLimits, ResetAnglesLeavesTheJointLimits) {
  AngleLimits limits{-10, 10, -20, 20, -30, 30, -1, 1};
  limits.resetAngles();
  EXPECT_EQ(limits.pitchMin, -360.0F);
  EXPECT_EQ(limits.rollMax, 360.0F);
  EXPECT_EQ(limits.jointMin, -1.0F);
  EXPECT_EQ(limits.jointMax, 1.0F);
}

}  // namespace
}  // namespace jolvent
