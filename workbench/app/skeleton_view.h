// What the viewport draws, taken from the scene: joints at their posed
// positions, bones to their parent joints, and every line in its colour.
#pragma once

#include <array>
#include <vector>

#include "math/vec3.h"
#include "standin_host/scene.h"

namespace jolvent::workbench {

struct DrawnJoint {
  standin::Shape* shape = nullptr;
  Vec3 position;
  int parent = -1;  // index of the nearest joint above, or -1
};

struct DrawnLine {
  std::vector<Vec3> points;
  std::array<float, 3> colour{0.5F, 0.5F, 0.5F};  // grey until the line has one
};

struct SkeletonView {
  std::vector<DrawnJoint> joints;
  std::vector<DrawnLine> lines;
};

// A joint's rotation turns everything below it about its centre, the lines
// below it too (so the axis guide turns with its joint); a valued joint's
// rotation is its ball rotation too (identity unless set).
SkeletonView viewOf(const standin::StandInScene& scene);

}  // namespace jolvent::workbench
