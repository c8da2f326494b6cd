// The host objects through which the plug-in sees a shape, and the builder
// that beginPart or beginLine answers. Each shape owns its own.
//
// A shape shows itself through distinct objects, its faces, so that the
// plug-in's use of each can be checked:
// - the shape itself, which lookups, parents and notices hand out borrowed.
//   A part's shape object is a part_class, as the host's type information
//   says, but the part operations belong to the part view: called on the
//   shape object itself (a plug-in that casts instead of asking asPart) they
//   are protocol violations;
// - the part view asPart answers, borrowed;
// - the new part or line that partShape or lineShape answers, counted: it may
//   be called only while the plug-in holds a reference to it.
// Borrowed faces may be called while the shape is in the scene, or while the
// plug-in holds a reference to that face. Calls through any face are
// journaled against the shape; each face has its own reference books.
#pragma once

#include "host/scene.h"
#include "host/shape.h"
#include "standin_host/counted.h"

namespace jolvent::standin {

class Shape;

enum class ShapeFace { shape, partView, created };

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
  ShapeFace face() const { return face_; }

protected:
  ShapeObject(HostContext& context, const char* interfaceName, Shape& shape,
              ShapeFace face);
  ~ShapeObject() = default;

  // Borrowed faces are the host's while the shape is in the scene.
  bool keptByHost() const override;

  Shape& shape_;
  ShapeFace face_;
};

extern template class ShapeObject<part_class>;
extern template class ShapeObject<line_class>;

class PartObject final : public ShapeObject<part_class> {
public:
  PartObject(HostContext& context, Shape& shape, ShapeFace face);

  int partType(Reserved reserved) override;
  void worldMatrix(Matrix4* out, Reserved reserved) override;
  void setTransformation(const Matrix4* transformation, Reserved reserved) override;
  void setPartOption(int option, Reserved reserved) override;

private:
  // enter() for the part operations, which the shape face does not serve.
  void enterPart(std::string_view operation, std::string_view details, Reserved reserved);
};

class LineObject final : public ShapeObject<line_class> {
public:
  LineObject(HostContext& context, Shape& shape, ShapeFace face);

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
