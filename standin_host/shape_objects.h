// The host objects through which the plug-in sees a shape: the shape itself
// (as part_class or line_class) and the builder that beginPart or beginLine
// answers. Each shape owns its own.
#pragma once

#include "host/scene.h"
#include "host/shape.h"
#include "standin_host/counted.h"

namespace jolvent::standin {

class Shape;

// shape_class's operations over a Shape, shared by parts and lines.
template <class Interface>
class ShapeObject : public Counted<Interface> {
public:
  JointControl* jointControl(Reserved reserved) override;
  shape_class* parent(Reserved reserved) override;
  CreationTarget insideTarget(Reserved reserved) override;
  int shapeType(Reserved reserved) override;
  ShapeHandle handle(Reserved reserved) override;
  const char* name(Reserved reserved) override;
  part_class* asPart(Reserved reserved) override;
  void remove(Reserved reserved) override;
  void updateParent(Reserved reserved) override;
  bool isPart(Reserved reserved) override;
  bool isRotatorJoint(Reserved reserved) override;
  bool isBallJoint(Reserved reserved) override;
  BallJointFrame* ballJointFrame(Reserved reserved) override;
  Stream* createStream(UuidRecord key, const UuidRecord* kind1, const UuidRecord* kind2,
                       const UuidRecord* kind3, Reserved reserved) override;
  Stream* getStream(UuidRecord key, Reserved reserved) override;
  void deleteStream(UuidRecord key, Reserved reserved) override;

  Shape& model() const { return shape_; }

protected:
  ShapeObject(HostContext& context, const char* interfaceName, Shape& shape);
  ~ShapeObject() = default;

  Shape& shape_;
};

extern template class ShapeObject<part_class>;
extern template class ShapeObject<line_class>;

class PartObject final : public ShapeObject<part_class> {
public:
  PartObject(HostContext& context, Shape& shape);

  int partType(Reserved reserved) override;
  void worldMatrix(Matrix4* out, Reserved reserved) override;
  void setTransformation(const Matrix4* transformation, Reserved reserved) override;
  void setPartOption(int option, Reserved reserved) override;
};

class LineObject final : public ShapeObject<line_class> {
public:
  LineObject(HostContext& context, Shape& shape);

  void setLineColor(const float* rgb, Reserved reserved) override;
};

class PartBuilderObject final : public PartBuilder {
public:
  PartBuilderObject(HostContext& context, Shape& part) : context_(context), part_(part) {}
  ~PartBuilderObject() = default;

  // The part begun, counted.
  part_class* partShape(Reserved reserved) override;

private:
  HostContext& context_;
  Shape& part_;
};

class LineBuilderObject final : public LineBuilder {
public:
  LineBuilderObject(HostContext& context, Shape& line) : context_(context), line_(line) {}
  ~LineBuilderObject() = default;

  // The line begun, counted.
  line_class* lineShape(Reserved reserved) override;

private:
  HostContext& context_;
  Shape& line_;
};

}  // namespace jolvent::standin
