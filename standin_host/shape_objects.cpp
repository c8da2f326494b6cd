#include "standin_host/shape_objects.h"

#include <array>
#include <string>

#include "standin_host/joints.h"
#include "standin_host/scene.h"
#include "standin_host/shape.h"
#include "standin_host/streams.h"
#include "standin_host/text.h"

namespace jolvent::standin {

namespace {
std::string withKey(const Shape& shape, const UuidRecord& key) {
  return shape.name() + " " + formatUuid(key);
}

Lifetime lifetimeOf(ShapeFace face) {
  return face == ShapeFace::created ? Lifetime::counted : Lifetime::host;
}

// How the books name a face.
const char* faceName(ShapeFace face) {
  switch (face) {
    case ShapeFace::partView:
      return "part view";
    case ShapeFace::created:
      return "new";
    case ShapeFace::shape:
      break;
  }
  return "";
}
}  // namespace

template <class Interface>
ShapeObject<Interface>::ShapeObject(HostContext& context, const char* interfaceName,
                                    Shape& shape, ShapeFace face)
    : Counted<Interface>(context, interfaceName, shape.name(), lifetimeOf(face),
                         faceName(face)),
      shape_(shape),
      face_(face) {}

template <class Interface>
bool ShapeObject<Interface>::keptByHost() const {
  return !shape_.isRemoved();
}

template <class Interface>
JointControl* ShapeObject<Interface>::jointControl(Reserved reserved) {
  this->enter("shape_class::jointControl", shape_.name(), reserved);
  return shape_.jointControlObject().handOut();
}

template <class Interface>
shape_class* ShapeObject<Interface>::parent(Reserved reserved) {
  this->enter("shape_class::parent", shape_.name(), reserved);
  return shape_.parent() != nullptr ? shape_.parent()->asShapeClass() : nullptr;
}

template <class Interface>
CreationTarget ShapeObject<Interface>::insideTarget(Reserved reserved) {
  this->enter("shape_class::insideTarget", shape_.name(), reserved);
  return shape_.scene().targetOf(shape_);
}

template <class Interface>
int ShapeObject<Interface>::shapeType(Reserved reserved) {
  this->enter("shape_class::shapeType", shape_.name(), reserved);
  return shape_.isPart() ? kShapeTypePart : kShapeTypeLine;
}

template <class Interface>
ShapeHandle ShapeObject<Interface>::handle(Reserved reserved) {
  this->enter("shape_class::handle", shape_.name(), reserved);
  return shape_.handle();
}

template <class Interface>
const char* ShapeObject<Interface>::name(Reserved reserved) {
  this->enter("shape_class::name", shape_.name(), reserved);
  return shape_.name().c_str();
}

template <class Interface>
part_class* ShapeObject<Interface>::asPart(Reserved reserved) {
  this->enter("shape_class::asPart", shape_.name(), reserved);
  return shape_.asPartClass();
}

template <class Interface>
void ShapeObject<Interface>::remove(Reserved reserved) {
  this->enter("shape_class::remove", shape_.name(), reserved);
  shape_.scene().removeShape(shape_);
}

template <class Interface>
void ShapeObject<Interface>::updateParent(Reserved reserved) {
  this->enter("shape_class::updateParent", shape_.name(), reserved);
  if (shape_.isRemoved()) {
    this->context_.protocol.violation(concat(
        {"shape_class::updateParent: ", shape_.name(), " is no longer in the scene"}));
  }
  shape_.countUpdateParent();
}

template <class Interface>
bool ShapeObject<Interface>::isPart(Reserved reserved) {
  this->enter("shape_class::isPart", shape_.name(), reserved);
  return shape_.isPart();
}

template <class Interface>
bool ShapeObject<Interface>::isRotatorJoint(Reserved reserved) {
  this->enter("shape_class::isRotatorJoint", shape_.name(), reserved);
  return shape_.isRotatorJoint();
}

template <class Interface>
bool ShapeObject<Interface>::isBallJoint(Reserved reserved) {
  this->enter("shape_class::isBallJoint", shape_.name(), reserved);
  return shape_.isBallJoint();
}

template <class Interface>
BallJointFrame* ShapeObject<Interface>::ballJointFrame(Reserved reserved) {
  this->enter("shape_class::ballJointFrame", shape_.name(), reserved);
  return shape_.frameObject().handOut();
}

template <class Interface>
Stream* ShapeObject<Interface>::createStream(UuidRecord key, const UuidRecord* kind1,
                                             const UuidRecord* kind2,
                                             const UuidRecord* kind3, Reserved reserved) {
  this->enter("shape_class::createStream", withKey(shape_, key), reserved);
  std::array<UuidRecord, 3> ids{};
  const UuidRecord* given[3] = {kind1, kind2, kind3};
  for (int i = 0; i < 3; ++i) {
    if (given[i] != nullptr) {
      ids[static_cast<std::size_t>(i)] = *given[i];
    } else {
      this->context_.protocol.violation("shape_class::createStream: identifier " +
                                        std::to_string(i + 1) + " is null");
    }
  }
  // One identifier object given three times, and it names this host's kind.
  if (kind1 != kind2 || kind1 != kind3) {
    this->context_.protocol.violation(
        "shape_class::createStream: the three identifiers are not one object");
  }
  for (const UuidRecord* id : given) {
    if (id != nullptr && *id != kStreamKindId) {
      this->context_.protocol.violation(
          concat({"shape_class::createStream: identifier ", formatUuid(*id),
                  " is not the stream kind ", formatUuid(kStreamKindId)}));
      break;
    }
  }
  return shape_.createStream(key, ids).handOut();
}

template <class Interface>
Stream* ShapeObject<Interface>::getStream(UuidRecord key, Reserved reserved) {
  this->enter("shape_class::getStream", withKey(shape_, key), reserved);
  StreamObject* stream = shape_.stream(key);
  return stream != nullptr ? stream->handOut() : nullptr;
}

template <class Interface>
void ShapeObject<Interface>::deleteStream(UuidRecord key, Reserved reserved) {
  this->enter("shape_class::deleteStream", withKey(shape_, key), reserved);
  shape_.deleteStream(key);
}

template class ShapeObject<part_class>;
template class ShapeObject<line_class>;

PartObject::PartObject(HostContext& context, Shape& shape, ShapeFace face)
    : ShapeObject(context, "part_class", shape, face) {}

void PartObject::enterPart(std::string_view operation, std::string_view details,
                           Reserved reserved) {
  if (face_ == ShapeFace::shape) {
    context_.protocol.violation(concat({operation, ": called on shape ", shape_.name(),
                                        " itself, not on the part view from asPart"}));
  }
  enter(operation, details, reserved);
}

int PartObject::partType(Reserved reserved) {
  enterPart("part_class::partType", shape_.name(), reserved);
  return shape_.partType();
}

void PartObject::worldMatrix(Matrix4* out, Reserved reserved) {
  enterPart("part_class::worldMatrix", shape_.name(), reserved);
  if (out == nullptr) {
    context_.protocol.violation("part_class::worldMatrix: null output");
    return;
  }
  *out = shape_.worldMatrix();
}

void PartObject::setTransformation(const Matrix4* transformation, Reserved reserved) {
  enterPart("part_class::setTransformation", shape_.name(), reserved);
  if (transformation == nullptr) {
    context_.protocol.violation("part_class::setTransformation: null matrix");
    return;
  }
  shape_.recordTransformation(*transformation);
}

void PartObject::setPartOption(int option, Reserved reserved) {
  enterPart("part_class::setPartOption", shape_.name() + " " + std::to_string(option),
            reserved);
  context_.protocol.expectZero("part_class::setPartOption", "option", option);
  shape_.recordPartOption(option);
}

LineObject::LineObject(HostContext& context, Shape& shape, ShapeFace face)
    : ShapeObject(context, "line_class", shape, face) {}

void LineObject::setLineColor(const float* rgb, Reserved reserved) {
  std::string details = shape_.name();
  for (int i = 0; rgb != nullptr && i < 3; ++i) {
    details += ' ';
    details += formatNumber(rgb[i]);
  }
  enter("line_class::setLineColor", details, reserved);
  if (rgb == nullptr) {
    context_.protocol.violation("line_class::setLineColor: null colour");
    return;
  }
  shape_.setColour({rgb[0], rgb[1], rgb[2]});
}

part_class* PartBuilderObject::partShape(Reserved reserved) {
  context_.enter("PartBuilder::partShape", part_.name(), reserved);
  return part_.newPartObject()->handOut();
}

line_class* LineBuilderObject::lineShape(Reserved reserved) {
  context_.enter("LineBuilder::lineShape", line_.name(), reserved);
  return line_.newLineObject()->handOut();
}

}  // namespace jolvent::standin
