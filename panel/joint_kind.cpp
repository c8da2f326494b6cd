#include "panel/joint_kind.h"

#include "host/scene.h"
#include "host/shape.h"

namespace jolvent {

bool isValuedJointKind(int kind) {
  return (kind >= 2 && kind <= 9) || kind == kWholeUnitKind;
}

int panelJointKind(Scene* scene) {
  if (scene == nullptr) return kNoJointKind;
  shape_class* active = scene->activeShape(0, 0);
  if (active == nullptr || active->shapeType(0) != kShapeTypePart) return kNoJointKind;
  part_class* part = active->asPart(0);
  return part != nullptr ? part->partType(0) : kNoJointKind;
}

int refreshJointKind(Scene& scene) {
  shape_class* active = scene.activeShape(0, 0);
  if (active == nullptr || !active->isPart(0)) return kNoJointKind;
  part_class* part = active->asPart(0);
  return part != nullptr ? part->partType(0) : kNoJointKind;
}

}  // namespace jolvent
