#include "standin_host/shape.h"

#include <algorithm>

#include "standin_host/joints.h"
#include "standin_host/scene.h"
#include "standin_host/shape_objects.h"
#include "standin_host/streams.h"

namespace jolvent::standin {

Shape::Shape(StandInScene& scene, ShapeKind kind, std::string name, ShapeHandle handle)
    : scene_(scene), kind_(kind), name_(std::move(name)), handle_(handle) {
  HostContext& context = scene.context();
  if (kind == ShapeKind::part) {
    part_ = std::make_unique<PartObject>(context, *this, ShapeFace::shape);
    partView_ = std::make_unique<PartObject>(context, *this, ShapeFace::partView);
    newPart_ = std::make_unique<PartObject>(context, *this, ShapeFace::created);
    partBuilder_ = std::make_unique<PartBuilderObject>(context, *this);
  } else {
    line_ = std::make_unique<LineObject>(context, *this, ShapeFace::shape);
    newLine_ = std::make_unique<LineObject>(context, *this, ShapeFace::created);
    lineBuilder_ = std::make_unique<LineBuilderObject>(context, *this);
  }
  jointControl_ = std::make_unique<JointControlObject>(context, *this);
  frame_ = std::make_unique<BallJointFrameObject>(context, *this);
  motionObject_ = std::make_unique<MotionObject>(context, *this);
}

Shape::~Shape() = default;

std::vector<std::string> Shape::childNames() const {
  std::vector<std::string> names;
  for (const Shape* child : children_) names.push_back(child->name());
  return names;
}

Shape* Shape::child(std::string_view name) const {
  for (Shape* child : children_) {
    if (child->name() == name) return child;
  }
  return nullptr;
}

Shape& Shape::setBallJoint(bool ballJoint) {
  ballJoint_ = ballJoint;
  return *this;
}

Shape& Shape::setRotatorJoint(bool rotator) {
  rotator_ = rotator;
  return *this;
}

Shape& Shape::setPartType(int partType) {
  partType_ = partType;
  return *this;
}

Shape& Shape::setRotation(const Quaternion& rotation) {
  rotation_ = rotation;
  return *this;
}

Shape& Shape::setDefaultRotation(const Quaternion& rotation) {
  defaultRotation_ = rotation;
  return *this;
}

Shape& Shape::setCentre(const Vec3& centre) {
  centre_ = centre;
  return *this;
}

Shape& Shape::setValue(float value) {
  value_ = value;
  return *this;
}

Shape& Shape::setDefaultValue(float value) {
  defaultValue_ = value;
  return *this;
}

Shape& Shape::setMinimum(float value) {
  minimum_ = value;
  return *this;
}

Shape& Shape::setMaximum(float value) {
  maximum_ = value;
  return *this;
}

Shape& Shape::setWorldMatrix(const Matrix4& matrix) {
  worldMatrix_ = matrix;
  return *this;
}

StreamObject* Shape::stream(const UuidRecord& key) const {
  for (const auto& stream : streams_) {
    if (stream->isAttached() && stream->key() == key) return stream.get();
  }
  return nullptr;
}

StreamObject& Shape::putStream(const UuidRecord& key, std::vector<std::uint8_t> bytes) {
  return attachStream(key, std::nullopt, std::move(bytes));
}

StreamObject& Shape::createStream(const UuidRecord& key,
                                  const std::array<UuidRecord, 3>& ids) {
  return attachStream(key, ids, {});
}

StreamObject& Shape::attachStream(const UuidRecord& key,
                                  std::optional<std::array<UuidRecord, 3>> ids,
                                  std::vector<std::uint8_t> bytes) {
  deleteStream(key);
  streams_.push_back(std::make_unique<StreamObject>(scene_.context(), name_, key, ids,
                                                    std::move(bytes)));
  return *streams_.back();
}

bool Shape::deleteStream(const UuidRecord& key) {
  StreamObject* attached = stream(key);
  if (attached == nullptr) return false;
  attached->detach();
  return true;
}

std::vector<StreamObject*> Shape::allStreams() const {
  std::vector<StreamObject*> all;
  for (const auto& stream : streams_) all.push_back(stream.get());
  return all;
}

shape_class* Shape::asShapeClass() const {
  if (part_ != nullptr) return part_.get();
  return line_.get();
}

part_class* Shape::asPartClass() const {
  return partView_.get();
}

line_class* Shape::asLineClass() const {
  return line_.get();
}

std::vector<const shape_class*> Shape::faces() const {
  if (isPart()) return {part_.get(), partView_.get(), newPart_.get()};
  return {line_.get(), newLine_.get()};
}

void Shape::attachChild(Shape& child) {
  child.parent_ = this;
  children_.push_back(&child);
}

void Shape::detachChild(Shape& child) {
  children_.erase(std::remove(children_.begin(), children_.end(), &child),
                  children_.end());
  child.parent_ = nullptr;
}

}  // namespace jolvent::standin
