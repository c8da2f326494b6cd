// A shape's joint control and ball-joint frame; each shape owns one of each.
// They read and write the shape's joint data as it is: values are not clamped
// to the range and rotations are not normalised.
#pragma once

#include "host/joint.h"
#include "standin_host/counted.h"

namespace jolvent::standin {

class Shape;

class JointControlObject final : public Counted<JointControl> {
public:
  JointControlObject(HostContext& context, Shape& shape);

  void setValue(float value, Reserved reserved) override;
  float value(Reserved reserved) override;
  float min(Reserved reserved) override;
  void setMin(float value, Reserved reserved) override;
  float max(Reserved reserved) override;
  void setMax(float value, Reserved reserved) override;
  float defaultValue(Reserved reserved) override;
  void setRotation(const Quaternion* rotation, Reserved reserved) override;
  Quaternion* defaultRotation(Quaternion* out, Reserved reserved) override;

private:
  Shape& shape_;
};

class BallJointFrameObject final : public Counted<BallJointFrame> {
public:
  BallJointFrameObject(HostContext& context, Shape& shape);

  Quaternion* jointRotation(Quaternion* out, Reserved reserved) override;
  Vec3* jointCentre(Vec3* out, Reserved reserved) override;

private:
  Shape& shape_;
};

}  // namespace jolvent::standin
