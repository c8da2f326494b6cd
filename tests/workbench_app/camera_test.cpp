#include "workbench/app/camera.h"

#include <gtest/gtest.h>

#include <vector>

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

}  // namespace
}  // namespace jolvent::workbench
