#include "editing/axis_guide.h"

#include <array>

#include "editing/edit_state.h"
#include "host/host_ref.h"
#include "host/joint.h"
#include "host/scene.h"
#include "host/shape.h"
#include "math/matrix4.h"
#include "platform/scope_exit.h"

namespace jolvent {

namespace {

struct GuideLine {
  const char* name;
  float Vec3::*axis;  // the coordinate the line runs along
  float colour[3];
};

// Yaw first: the order the lines are made in.
constexpr std::array<GuideLine, 3> kGuideLines{{
    {kYawLineName, &Vec3::y, {0.0F, 1.0F, 0.0F}},
    {kPitchLineName, &Vec3::x, {1.0F, 0.0F, 0.0F}},
    {kRollLineName, &Vec3::z, {0.0F, 0.0F, 1.0F}},
}};

void appendPoint(Scene& scene, const Vec3& point) {
  scene.appendPoint(&point, &point, &point, &point, &point, 0);
}

}  // namespace

void buildAxisGuide(Scene& scene) {
  const ShapeHandle handle = editState().ballJointHandle;
  if (handle == 0 || !scene.isValidHandle(handle, 0)) return;
  const float length = scene.guideScale(0) * kGuideLengthPerScale;
  shape_class* joint = scene.shapeByHandle(handle, 0);
  if (joint == nullptr) return;
  part_class* jointPart = joint->asPart(0);
  if (jointPart == nullptr) return;
  Matrix4 world;
  jointPart->worldMatrix(&world, 0);

  auto frame = HostRef<BallJointFrame>::adopt(joint->ballJointFrame(0));
  if (!frame) return;
  Vec3 centre;
  frame->jointCentre(&centre, 0);

  scene.setCreationParent(joint->insideTarget(0), 0);
  PartBuilder* partBuilder = scene.beginPart(kGuidePartName, 0);
  auto part = HostRef<part_class>::adopt(
      partBuilder != nullptr ? partBuilder->partShape(0) : nullptr);
  if (part) part->setPartOption(0, 0);

  {
    std::array<HostRef<line_class>, kGuideLines.size()> lines;
    for (std::size_t i = 0; i < kGuideLines.size(); ++i) {
      const GuideLine& guideLine = kGuideLines[i];
      LineBuilder* lineBuilder = scene.beginLine(guideLine.name, 0, 0);
      lines[i] = HostRef<line_class>::adopt(
          lineBuilder != nullptr ? lineBuilder->lineShape(0) : nullptr);
      Vec3 end = centre;
      end.*guideLine.axis += length;
      appendPoint(scene, centre);
      appendPoint(scene, end);
      if (lines[i]) lines[i]->setLineColor(guideLine.colour, 0);
      scene.endLine(0);
    }
  }  // the three lines are released together, before the part is closed
  scene.endPart(0);

  const Matrix4 placement = matrixInverse(world);
  if (part) part->setTransformation(&placement, 0);
  part.reset();
  scene.updateViews(0);
}

void removeAxisGuide(Scene& scene) {
  bool flag = false;
  shape_class* guide = scene.findShapeByName(kGuidePartName, &flag);
  if (guide == nullptr) return;
  shape_class* parent = guide->parent(0);
  const auto removing = raiseForScope(editState().removingGuide);
  guide->remove(0);
  if (parent != nullptr) parent->updateParent(0);
}

}  // namespace jolvent
