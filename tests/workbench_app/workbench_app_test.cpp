#include <gtest/gtest.h>

#include <cmath>

#include "standin_host/standin_host.h"
#include "workbench/app/camera.h"
#include "workbench/app/script.h"
#include "workbench/app/skeleton_view.h"
#include "workbench/app/timeline.h"

namespace jolvent::workbench {
namespace {

TEST(Camera, TargetProjectsToTheCentreAndNearerPointsSpreadWider) {
  Camera camera;
  const ScreenPoint centre = project(camera, 800, 600, camera.target);
  EXPECT_TRUE(centre.visible);
  EXPECT_FLOAT_EQ(centre.x, 400.0F);
  EXPECT_FLOAT_EQ(centre.y, 300.0F);
  Camera above = camera;
  above.yaw = 0.0F;
  above.pitch = 0.0F;
  const Vec3 up{camera.target.x, camera.target.y + 10, camera.target.z};
  EXPECT_LT(project(above, 800, 600, up).y, 300.0F);  // +Y is up on screen
  const float before = 300.0F - project(above, 800, 600, up).y;
  zoom(above, 120);
  EXPECT_GT(300.0F - project(above, 800, 600, up).y, before);
  // Behind the camera nothing is drawn.
  const Vec3 behind{camera.target.x, camera.target.y, camera.target.z + 1000};
  EXPECT_FALSE(project(above, 800, 600, behind).visible);
}

TEST(Camera, OrbitStopsShortOfThePoles) {
  Camera camera;
  orbit(camera, 0, 100000);
  EXPECT_LT(camera.pitch, 1.5708F);
  orbit(camera, 0, -200000);
  EXPECT_GT(camera.pitch, -1.5708F);
}

TEST(Picking, NearestVisiblePointWithinTheRadius) {
  const std::vector<ScreenPoint> points{
      {10, 10, true}, {14, 10, true}, {12, 10, false}, {100, 100, true}};
  EXPECT_EQ(pickNearest(points, 13, 10, 8), 1);
  EXPECT_EQ(pickNearest(points, 12, 10, 8), 0);  // hidden one skipped, first of a tie
  EXPECT_EQ(pickNearest(points, 50, 50, 8), -1);
}

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

TEST(Script, ParsesStepsWithTheirLines) {
  const std::vector<ScriptStep> steps =
      parseScript("# comment\nselect elbow_L\n\ndrag 1002 -40  # left\ntype 1013 1 2\n");
  ASSERT_EQ(steps.size(), 3U);
  EXPECT_EQ(steps[0].line, 2);
  EXPECT_EQ(steps[1].line, 4);
  EXPECT_EQ(steps[1].arguments, (std::vector<std::string>{"1002", "-40"}));
  EXPECT_EQ(steps[2].arguments, (std::vector<std::string>{"1013", "1 2"}));
}

TEST(Script, BadLinesAreNamedByNumber) {
  const struct {
    const char* text;
    const char* message;
  } cases[] = {
      {"command\nfly away\n", "line 2: unknown step 'fly'"},
      {"drag 1002\n", "line 1: 'drag' wants 2 argument(s)"},
      {"\n\nrecord maybe\n", "line 3: bad argument 'maybe'"},
      {"position x\n", "line 1: bad argument 'x'"},
      {"dump now\n", "line 1: unexpected 'now'"},
  };
  for (const auto& c : cases) {
    try {
      parseScript(c.text);
      ADD_FAILURE() << c.text;
    } catch (const ScriptError& error) {
      EXPECT_EQ(std::string(error.what()).rfind(c.message, 0), 0U) << error.what();
    }
  }
}

}  // namespace
}  // namespace jolvent::workbench

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
