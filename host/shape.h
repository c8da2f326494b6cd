// Shapes of the scene. [host implements, plug-in calls]
// Shapes reached through the scene, a handle or a parent are borrowed.
#pragma once

#include "host/fwd.h"
#include "host/uuid_record.h"
#include "math/matrix4.h"
#include "platform/win32_types.h"

namespace jolvent {

// shapeType of a part.
inline constexpr int kShapeTypePart = 2;

class shape_class : public IUnknown {
public:
  // Counted.
  virtual JointControl* jointControl(Reserved) = 0;
  // Borrowed: the shape that contains this one.
  virtual shape_class* parent(Reserved) = 0;
  virtual CreationTarget insideTarget(Reserved) = 0;
  virtual int shapeType(Reserved) = 0;
  virtual ShapeHandle handle(Reserved) = 0;
  // Code page 932 text.
  virtual const char* name(Reserved) = 0;
  // Borrowed part view of this shape.
  virtual part_class* asPart(Reserved) = 0;
  // Takes the shape out of the scene; call updateParent on the former parent.
  virtual void remove(Reserved) = 0;
  virtual void updateParent(Reserved) = 0;
  virtual bool isPart(Reserved) = 0;
  virtual bool isRotatorJoint(Reserved) = 0;
  virtual bool isBallJoint(Reserved) = 0;
  // Counted.
  virtual BallJointFrame* ballJointFrame(Reserved) = 0;
  // Counted, empty stream under key.
  virtual Stream* createStream(UuidRecord key, const UuidRecord* kind1,
                               const UuidRecord* kind2, const UuidRecord* kind3,
                               Reserved) = 0;
  // Counted, or null when the shape has no stream under key.
  virtual Stream* getStream(UuidRecord key, Reserved) = 0;
  virtual void deleteStream(UuidRecord key, Reserved) = 0;

protected:
  ~shape_class() = default;
};

// A shape that contains others; joints are parts.
class part_class : public shape_class {
public:
  // Joint kind: 2 to 9 and 13 are single-valued joints.
  virtual int partType(Reserved) = 0;
  virtual void worldMatrix(Matrix4* out, Reserved) = 0;
  virtual void setTransformation(const Matrix4* transformation, Reserved) = 0;
  // Called once on the new guide part, with 0.
  virtual void setPartOption(int option, Reserved) = 0;

protected:
  ~part_class() = default;
};

// The part view of shape when the host says it is a part (shapeType), else
// null; null for null. This is the module's one run-time type test. It asks
// the host rather than reading the object's type information: that record's
// layout belongs to the compiler that built the host, not to ours.
part_class* partOrNull(shape_class* shape);

// A polyline made with Scene::beginLine.
class line_class : public shape_class {
public:
  // Red, green, blue.
  virtual void setLineColor(const float* rgb, Reserved) = 0;

protected:
  ~line_class() = default;
};

}  // namespace jolvent
