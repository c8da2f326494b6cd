// Motion keys of a shape, and the host objects that show them to the plug-in.
#pragma once

#include <vector>

#include "host/motion.h"
#include "math/quaternion.h"
#include "standin_host/counted.h"

namespace jolvent::standin {

class Shape;
class StandInScene;

// One key: the joint's rotation and value at a sequence position.
struct MotionKey {
  float position = 0.0F;
  Quaternion rotation;
  float value = 0.0F;
};

// The keys of one shape, kept in ascending position.
class MotionTrack {
public:
  // Whether the shape has a motion at all; activeMotion answers null when not.
  bool present() const { return present_; }
  void setPresent(bool present) { present_ = present; }
  // Motion::motionEnabled.
  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled) { enabled_ = enabled; }

  const std::vector<MotionKey>& keys() const { return keys_; }
  std::vector<MotionKey>& keys() { return keys_; }
  // Inserts in position order; a key already at exactly that position is
  // replaced. Returns the key's index.
  int insertKey(const MotionKey& key);

private:
  bool present_ = false;
  bool enabled_ = true;
  std::vector<MotionKey> keys_;
};

// Motion of one shape; owned by the shape.
class MotionObject final : public Counted<Motion> {
public:
  MotionObject(HostContext& context, Shape& shape);

  void setKeyValue(int key, float value, Reserved reserved) override;
  float currentPosition(Reserved reserved) override;
  int keyCount(Reserved reserved) override;
  float keyPosition(int key, Reserved reserved) override;
  // Takes the shape's current rotation and value into the key.
  void addKey(float position, Reserved reserved) override;
  void setKeyRotation(int key, const Quaternion* rotation, Reserved reserved) override;
  bool motionEnabled(Reserved reserved) override;

private:
  // The key at index, or null after recording a violation.
  MotionKey* keyAt(const char* operation, int key);

  Shape& shape_;
};

// The scene's motion container.
class MotionContainerObject final : public Counted<MotionContainer> {
public:
  MotionContainerObject(HostContext& context, StandInScene& scene);

  // The active shape's motion (the first of the selection, or whatever
  // activeShape gives when nothing is selected), or null when it has none.
  Motion* activeMotion(Reserved reserved) override;

private:
  StandInScene& scene_;
};

}  // namespace jolvent::standin
