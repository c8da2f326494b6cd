// Motion keys of the active shape. [host implements, plug-in calls]
#pragma once

#include "host/fwd.h"
#include "math/quaternion.h"
#include "platform/win32_types.h"

namespace jolvent {

class MotionContainer : public IUnknown {
public:
  // Counted motion of the active shape, or null.
  virtual Motion* activeMotion(Reserved) = 0;

protected:
  ~MotionContainer() = default;
};

class Motion : public IUnknown {
public:
  // A single-valued joint's value in that key.
  virtual void setKeyValue(int key, float value, Reserved) = 0;
  virtual float currentPosition(Reserved) = 0;
  virtual int keyCount(Reserved) = 0;
  // Keys are in ascending position.
  virtual float keyPosition(int key, Reserved) = 0;
  // Records a key at position from the shape's current state.
  virtual void addKey(float position, Reserved) = 0;
  // A ball joint's rotation in that key.
  virtual void setKeyRotation(int key, const Quaternion* rotation, Reserved) = 0;
  virtual bool motionEnabled(Reserved) = 0;

protected:
  ~Motion() = default;
};

}  // namespace jolvent
