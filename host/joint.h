// A joint's value or rotation, and a ball joint's current frame.
// [host implements, plug-in calls]; both are obtained counted from a shape.
#pragma once

#include "host/fwd.h"
#include "math/quaternion.h"
#include "math/vec3.h"
#include "platform/win32_types.h"

namespace jolvent {

class JointControl : public IUnknown {
public:
  virtual void setValue(float value, Reserved) = 0;
  virtual float value(Reserved) = 0;
  virtual float min(Reserved) = 0;
  virtual void setMin(float value, Reserved) = 0;
  virtual float max(Reserved) = 0;
  virtual void setMax(float value, Reserved) = 0;
  virtual float defaultValue(Reserved) = 0;
  // A ball joint's rotation.
  virtual void setRotation(const Quaternion* rotation, Reserved) = 0;
  // Fills *out and returns out.
  virtual Quaternion* defaultRotation(Quaternion* out, Reserved) = 0;

protected:
  ~JointControl() = default;
};

class BallJointFrame : public IUnknown {
public:
  // The joint's current rotation; fills *out and returns out.
  virtual Quaternion* jointRotation(Quaternion* out, Reserved) = 0;
  // The joint's centre; fills *out and returns out.
  virtual Vec3* jointCentre(Vec3* out, Reserved) = 0;

protected:
  ~BallJointFrame() = default;
};

}  // namespace jolvent
