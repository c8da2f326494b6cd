#include "workbench/app/skeleton_view.h"

#include "math/matrix4.h"

namespace jolvent::workbench {

namespace {

bool isJoint(const standin::Shape& shape) {
  return shape.isPart() && shape.partType() != standin::kPlainPartType;
}

Vec3 times(const Vec3& v, const Matrix4& m) {
  return {v.x * m.at(0, 0) + v.y * m.at(1, 0) + v.z * m.at(2, 0),
          v.x * m.at(0, 1) + v.y * m.at(1, 1) + v.z * m.at(2, 1),
          v.x * m.at(0, 2) + v.y * m.at(1, 2) + v.z * m.at(2, 2)};
}

Matrix4 product(const Matrix4& a, const Matrix4& b) {
  Matrix4 result;
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) {
      float sum = 0.0F;
      for (int k = 0; k < 4; ++k) sum += a.at(r, k) * b.at(k, c);
      result.at(r, c) = sum;
    }
  return result;
}

// The frame of the nearest joint above: where it is now, where it was at
// rest, and how it turns what hangs below it.
struct Frame {
  int joint = -1;
  Vec3 rest;
  Vec3 posed;
  Matrix4 turn = identityMatrix;
};

void walk(const standin::Shape& shape, const Frame& above, SkeletonView& view) {
  Frame frame = above;
  if (isJoint(shape)) {
    const Vec3 offset{shape.centre().x - above.rest.x, shape.centre().y - above.rest.y,
                      shape.centre().z - above.rest.z};
    const Vec3 turned = times(offset, above.turn);
    const Vec3 posed{above.posed.x + turned.x, above.posed.y + turned.y,
                     above.posed.z + turned.z};
    view.joints.push_back({const_cast<standin::Shape*>(&shape), posed, above.joint});
    frame.joint = static_cast<int>(view.joints.size()) - 1;
    frame.rest = shape.centre();
    frame.posed = posed;
    // Row vectors: the joint's own turn first, then those above it.
    frame.turn = product(quatToMatrix(shape.rotation()), above.turn);
  } else if (shape.isLine() && shape.points().size() >= 2) {
    DrawnLine line;
    // A line below a joint (the axis guide is) turns with it about its centre.
    for (const Vec3& point : shape.points()) {
      const Vec3 offset{point.x - above.rest.x, point.y - above.rest.y,
                        point.z - above.rest.z};
      const Vec3 turned = times(offset, above.turn);
      line.points.push_back(
          {above.posed.x + turned.x, above.posed.y + turned.y, above.posed.z + turned.z});
    }
    if (shape.colour()) line.colour = *shape.colour();
    view.lines.push_back(std::move(line));
  }
  for (const standin::Shape* child : shape.children()) walk(*child, frame, view);
}

}  // namespace

SkeletonView viewOf(const standin::StandInScene& scene) {
  SkeletonView view;
  walk(scene.root(), Frame{}, view);
  return view;
}

}  // namespace jolvent::workbench
