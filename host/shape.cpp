#include "host/shape.h"

namespace jolvent {

part_class* partOrNull(shape_class* shape) {
  if (shape == nullptr || shape->shapeType(0) != kShapeTypePart) return nullptr;
  return shape->asPart(0);
}

}  // namespace jolvent
