// The open document. [host implements, plug-in calls]
// Obtained counted from HostApp::currentScene, or handed in borrowed by a
// notification.
#pragma once

#include "host/fwd.h"
#include "math/vec3.h"
#include "platform/win32_types.h"

namespace jolvent {

class Scene : public IUnknown {
public:
  virtual HWND mainWindow(Reserved) = 0;
  // Called once after the axis guide is built.
  virtual void updateViews(Reserved) = 0;
  // Starts a line; later points go to it until endLine. Borrowed.
  virtual LineBuilder* beginLine(const char* name, int zero, Reserved) = 0;
  // Adds a point to the open line; the plug-in passes one position five times.
  virtual void appendPoint(const Vec3* position, const Vec3* a, const Vec3* b,
                           const Vec3* c, const Vec3* d, Reserved) = 0;
  virtual void endLine(Reserved) = 0;
  // Starts a part; the lines made until endPart belong to it. Borrowed.
  virtual PartBuilder* beginPart(const char* name, Reserved) = 0;
  virtual void endPart(Reserved) = 0;
  virtual int activeShapeCount(Reserved) = 0;
  // Counted.
  virtual MotionContainer* motionContainer(int zero, Reserved) = 0;
  // The axis guide is 100 times this long.
  virtual float guideScale(Reserved) = 0;
  // Borrowed, or null when the handle names no shape.
  virtual shape_class* shapeByHandle(ShapeHandle handle, Reserved) = 0;
  // Borrowed; relied on never to be null.
  virtual shape_class* activeShape(int zero, Reserved) = 0;
  // First shape in scene order with exactly this name, or null. Borrowed.
  // The host clears *flag; this operation has no reserved argument.
  virtual shape_class* findShapeByName(const char* name, bool* flag) = 0;
  virtual void setCreationParent(CreationTarget target, Reserved) = 0;
  virtual bool isValidHandle(ShapeHandle handle, Reserved) = 0;
  // The host copies the array.
  virtual void setActiveShapes(int count, shape_class* const* shapes, Reserved) = 0;
  // False while modelling; stored angles are read only then.
  virtual bool isMotionMode(Reserved) = 0;

protected:
  ~Scene() = default;
};

// What beginLine returns: the new line. [host implements]
class LineBuilder {
public:
  // Counted.
  virtual line_class* lineShape(Reserved) = 0;

protected:
  ~LineBuilder() = default;
};

// What beginPart returns: the new part. [host implements]
class PartBuilder {
public:
  // Counted.
  virtual part_class* partShape(Reserved) = 0;

protected:
  ~PartBuilder() = default;
};

}  // namespace jolvent
