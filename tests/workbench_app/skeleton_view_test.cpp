#include "workbench/app/skeleton_view.h"

#include <gtest/gtest.h>

#include <cmath>

#include "standin_host/standin_host.h"

namespace jolvent::workbench {
namespace {

TEST(SkeletonView, JointsAndTheLinesBelowThemTurnWithTheJointsAbove) {
  standin::StandInHost host;
  standin::StandInScene& scene = host.scene();
  // A quarter turn about Z at the shoulder: what lay along X lies along Y.
  standin::Shape& shoulder = scene.addBallJoint("shoulder", nullptr, {0, 0, 0},
                                                {0.70710678F, 0, 0, 0.70710678F});
  scene.addBallJoint("elbow", &shoulder, {2, 0, 0});
  standin::Shape& guide = scene.addPart("#Jolvent_Guide", &shoulder);
  scene.addLine("axis", {{0, 0, 0}, {1, 0, 0}}, &guide);
  scene.addLine("free", {{5, 5, 5}, {6, 5, 5}});

  const SkeletonView view = viewOf(scene);
  ASSERT_EQ(view.joints.size(), 2U);
  EXPECT_NEAR(view.joints[1].position.x, 0, 1e-5);
  EXPECT_NEAR(std::abs(view.joints[1].position.y), 2, 1e-5);
  ASSERT_EQ(view.lines.size(), 2U);
  EXPECT_NEAR(view.lines[0].points[1].x, 0, 1e-5);
  EXPECT_NEAR(view.lines[0].points[1].y, view.joints[1].position.y / 2, 1e-5)
      << "the guide's axis turns as the elbow's bone does";
  EXPECT_EQ(view.lines[1].points[1].x, 6) << "a line under no joint stays put";
}

}  // namespace
}  // namespace jolvent::workbench
