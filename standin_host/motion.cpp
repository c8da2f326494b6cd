#include "standin_host/motion.h"

#include <cmath>
#include <string>

#include "standin_host/scene.h"
#include "standin_host/shape.h"
#include "standin_host/text.h"

namespace jolvent::standin {

int MotionTrack::insertKey(const MotionKey& key) {
  std::size_t at = 0;
  while (at < keys_.size() && keys_[at].position < key.position) ++at;
  if (at < keys_.size() && keys_[at].position == key.position) {
    keys_[at] = key;
  } else {
    keys_.insert(keys_.begin() + static_cast<std::ptrdiff_t>(at), key);
  }
  return static_cast<int>(at);
}

MotionObject::MotionObject(HostContext& context, Shape& shape)
    : Counted(context, "Motion", shape.name()), shape_(shape) {}

MotionKey* MotionObject::keyAt(const char* operation, int key) {
  auto& keys = shape_.motion().keys();
  if (key < 0 || static_cast<std::size_t>(key) >= keys.size()) {
    context_.protocol.violation(std::string(operation) + ": key " + std::to_string(key) +
                                " of " + std::to_string(keys.size()));
    return nullptr;
  }
  return &keys[static_cast<std::size_t>(key)];
}

void MotionObject::setKeyValue(int key, float value, Reserved reserved) {
  enter("Motion::setKeyValue",
        shape_.name() + " " + std::to_string(key) + " " + formatNumber(value), reserved);
  if (MotionKey* found = keyAt("Motion::setKeyValue", key)) found->value = value;
}

float MotionObject::currentPosition(Reserved reserved) {
  enter("Motion::currentPosition", shape_.name(), reserved);
  return shape_.scene().sequencePosition();
}

int MotionObject::keyCount(Reserved reserved) {
  enter("Motion::keyCount", shape_.name(), reserved);
  return static_cast<int>(shape_.motion().keys().size());
}

float MotionObject::keyPosition(int key, Reserved reserved) {
  enter("Motion::keyPosition", shape_.name() + " " + std::to_string(key), reserved);
  const MotionKey* found = keyAt("Motion::keyPosition", key);
  return found != nullptr ? found->position : 0.0F;
}

void MotionObject::addKey(float position, Reserved reserved) {
  enter("Motion::addKey", shape_.name() + " " + formatNumber(position), reserved);
  if (std::isnan(position)) {
    context_.protocol.violation("Motion::addKey: position is not a number");
    return;
  }
  shape_.motion().insertKey({position, shape_.rotation(), shape_.value()});
}

void MotionObject::setKeyRotation(int key, const Quaternion* rotation,
                                  Reserved reserved) {
  enter("Motion::setKeyRotation",
        shape_.name() + " " + std::to_string(key) + " " +
            (rotation != nullptr ? formatQuaternion(*rotation) : "(null)"),
        reserved);
  if (rotation == nullptr) {
    context_.protocol.violation("Motion::setKeyRotation: null rotation");
    return;
  }
  if (MotionKey* found = keyAt("Motion::setKeyRotation", key))
    found->rotation = *rotation;
}

bool MotionObject::motionEnabled(Reserved reserved) {
  enter("Motion::motionEnabled", shape_.name(), reserved);
  return shape_.motion().enabled();
}

MotionContainerObject::MotionContainerObject(HostContext& context, StandInScene& scene)
    : Counted(context, "MotionContainer", ""), scene_(scene) {}

Motion* MotionContainerObject::activeMotion(Reserved reserved) {
  enter("MotionContainer::activeMotion", "", reserved);
  Shape* shape = scene_.activeShapeModel();
  if (shape == nullptr || !shape->motion().present()) return nullptr;
  return shape->motionObject().handOut();
}

}  // namespace jolvent::standin
