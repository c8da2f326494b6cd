#include "panel/joint_kind.h"

#include "host/scene.h"
#include "host/shape.h"

namespace jolvent {

namespace {

struct KindRow {
  JointKind kind;
  KindScale scale;
};

constexpr KindRow kNamedKinds[] = {
    {JointKind::rotator, {180.0F, 100.0F, false}},
    {JointKind::angle, {1.0F, 1.0F, true}},
    {JointKind::wholeUnit, {1.0F, 1.0F, false}},
};
constexpr KindScale kOtherKinds{1.0F, 100.0F, false};

constexpr int kFirstValuedKind = 2;
constexpr int kLastValuedRangeKind = 9;

JointKind partKind(part_class* part) {
  return part != nullptr ? jointKindOf(part->partType(0)) : JointKind::none;
}

}  // namespace

bool isValuedJointKind(JointKind kind) {
  const int value = static_cast<int>(kind);
  return (value >= kFirstValuedKind && value <= kLastValuedRangeKind) ||
         kind == JointKind::wholeUnit;
}

const KindScale& scaleOf(JointKind kind) {
  for (const KindRow& row : kNamedKinds) {
    if (row.kind == kind) return row.scale;
  }
  return kOtherKinds;
}

JointKind panelJointKind(Scene* scene) {
  if (scene == nullptr) return JointKind::none;
  shape_class* active = scene->activeShape(0, 0);
  if (active == nullptr || active->shapeType(0) != kShapeTypePart) return JointKind::none;
  return partKind(active->asPart(0));
}

JointKind refreshJointKind(Scene& scene) {
  shape_class* active = scene.activeShape(0, 0);
  if (active == nullptr || !active->isPart(0)) return JointKind::none;
  return partKind(active->asPart(0));
}

}  // namespace jolvent
