#include "standin_host/joints.h"

#include "standin_host/scene.h"
#include "standin_host/shape.h"
#include "standin_host/text.h"

namespace jolvent::standin {

JointControlObject::JointControlObject(HostContext& context, Shape& shape)
    : Counted(context, "JointControl", shape.name()), shape_(shape) {}

void JointControlObject::setValue(float value, Reserved reserved) {
  enter("JointControl::setValue", shape_.name() + " " + formatNumber(value), reserved);
  shape_.setValue(value);
  shape_.scene().jointChanged(shape_);
}

float JointControlObject::value(Reserved reserved) {
  enter("JointControl::value", shape_.name(), reserved);
  return shape_.value();
}

float JointControlObject::min(Reserved reserved) {
  enter("JointControl::min", shape_.name(), reserved);
  return shape_.minimum();
}

void JointControlObject::setMin(float value, Reserved reserved) {
  enter("JointControl::setMin", shape_.name() + " " + formatNumber(value), reserved);
  shape_.setMinimum(value);
}

float JointControlObject::max(Reserved reserved) {
  enter("JointControl::max", shape_.name(), reserved);
  return shape_.maximum();
}

void JointControlObject::setMax(float value, Reserved reserved) {
  enter("JointControl::setMax", shape_.name() + " " + formatNumber(value), reserved);
  shape_.setMaximum(value);
}

float JointControlObject::defaultValue(Reserved reserved) {
  enter("JointControl::defaultValue", shape_.name(), reserved);
  return shape_.defaultValue();
}

void JointControlObject::setRotation(const Quaternion* rotation, Reserved reserved) {
  enter("JointControl::setRotation",
        shape_.name() + " " +
            (rotation != nullptr ? formatQuaternion(*rotation) : "(null)"),
        reserved);
  if (rotation == nullptr) {
    context_.protocol.violation("JointControl::setRotation: null rotation");
    return;
  }
  shape_.setRotation(*rotation);
  shape_.scene().jointChanged(shape_);
}

Quaternion* JointControlObject::defaultRotation(Quaternion* out, Reserved reserved) {
  enter("JointControl::defaultRotation", shape_.name(), reserved);
  if (out == nullptr) {
    context_.protocol.violation("JointControl::defaultRotation: null output");
    return nullptr;
  }
  *out = shape_.defaultRotation();
  return out;
}

BallJointFrameObject::BallJointFrameObject(HostContext& context, Shape& shape)
    : Counted(context, "BallJointFrame", shape.name()), shape_(shape) {}

Quaternion* BallJointFrameObject::jointRotation(Quaternion* out, Reserved reserved) {
  enter("BallJointFrame::jointRotation", shape_.name(), reserved);
  if (out == nullptr) {
    context_.protocol.violation("BallJointFrame::jointRotation: null output");
    return nullptr;
  }
  *out = shape_.rotation();
  return out;
}

Vec3* BallJointFrameObject::jointCentre(Vec3* out, Reserved reserved) {
  enter("BallJointFrame::jointCentre", shape_.name(), reserved);
  if (out == nullptr) {
    context_.protocol.violation("BallJointFrame::jointCentre: null output");
    return nullptr;
  }
  *out = shape_.centre();
  return out;
}

}  // namespace jolvent::standin
