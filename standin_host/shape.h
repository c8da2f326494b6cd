// A shape of the stand-in scene: its place in the tree, its joint, line,
// stream and motion data, and the host objects through which the plug-in
// reaches it. Tests read and set everything here directly; nothing here is
// journaled.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/fwd.h"
#include "host/uuid_record.h"
#include "math/matrix4.h"
#include "math/quaternion.h"
#include "math/vec3.h"
#include "standin_host/motion.h"

namespace jolvent::standin {

class StandInScene;
class StreamObject;
class PartObject;
class LineObject;
class PartBuilderObject;
class LineBuilderObject;
class JointControlObject;
class BallJointFrameObject;

// shapeType of a line; parts answer kShapeTypePart.
inline constexpr int kShapeTypeLine = 4;
// partType given to ball joints unless set otherwise.
inline constexpr int kBallJointPartType = 10;
// partType of a plain part, the root and parts made through beginPart.
inline constexpr int kPlainPartType = 0;

enum class ShapeKind { part, line };

using Rgb = std::array<float, 3>;

class Shape {
public:
  Shape(StandInScene& scene, ShapeKind kind, std::string name, ShapeHandle handle);
  ~Shape();
  Shape(const Shape&) = delete;
  Shape& operator=(const Shape&) = delete;

  // Identity and place in the tree.
  const std::string& name() const { return name_; }
  ShapeHandle handle() const { return handle_; }
  ShapeKind kind() const { return kind_; }
  bool isPart() const { return kind_ == ShapeKind::part; }
  bool isLine() const { return kind_ == ShapeKind::line; }
  // The containing shape; null for the root and for a shape removed itself
  // (shapes removed with it keep theirs).
  Shape* parent() const { return parent_; }
  const std::vector<Shape*>& children() const { return children_; }
  std::vector<std::string> childNames() const;
  // The first child with this name, or null.
  Shape* child(std::string_view name) const;
  // True once taken out of the scene, by itself or with an ancestor.
  bool isRemoved() const { return removed_; }
  int updateParentCount() const { return updateParentCount_; }
  StandInScene& scene() const { return scene_; }

  // Joint.
  bool isBallJoint() const { return ballJoint_; }
  Shape& setBallJoint(bool ballJoint);
  bool isRotatorJoint() const { return rotator_; }
  Shape& setRotatorJoint(bool rotator);
  int partType() const { return partType_; }
  Shape& setPartType(int partType);
  const Quaternion& rotation() const { return rotation_; }
  Shape& setRotation(const Quaternion& rotation);
  const Quaternion& defaultRotation() const { return defaultRotation_; }
  Shape& setDefaultRotation(const Quaternion& rotation);
  const Vec3& centre() const { return centre_; }
  Shape& setCentre(const Vec3& centre);
  float value() const { return value_; }
  Shape& setValue(float value);
  float defaultValue() const { return defaultValue_; }
  Shape& setDefaultValue(float value);
  float minimum() const { return minimum_; }
  Shape& setMinimum(float value);
  float maximum() const { return maximum_; }
  Shape& setMaximum(float value);

  // Part. worldMatrix is what part_class::worldMatrix answers (identity
  // unless set); transformation is the last one setTransformation gave.
  const Matrix4& worldMatrix() const { return worldMatrix_; }
  Shape& setWorldMatrix(const Matrix4& matrix);
  const std::optional<Matrix4>& transformation() const { return transformation_; }
  void recordTransformation(const Matrix4& matrix) { transformation_ = matrix; }
  // Every setPartOption argument, in order.
  const std::vector<int>& partOptions() const { return partOptions_; }
  void recordPartOption(int option) { partOptions_.push_back(option); }

  // Line.
  const std::vector<Vec3>& points() const { return points_; }
  void appendPoint(const Vec3& point) { points_.push_back(point); }
  // Unset until setLineColor.
  const std::optional<Rgb>& colour() const { return colour_; }
  void setColour(const Rgb& colour) { colour_ = colour; }

  // Streams. stream() gives the one attached under key, or null.
  StreamObject* stream(const UuidRecord& key) const;
  // Attaches a new stream under key holding bytes, detaching one already
  // there, as a test's preparation: no creation identifiers are recorded.
  StreamObject& putStream(const UuidRecord& key, std::vector<std::uint8_t> bytes = {});
  // The createStream operation's work: a new empty stream under key that
  // replaces (detaches) any stream already there.
  StreamObject& createStream(const UuidRecord& key, const std::array<UuidRecord, 3>& ids);
  // Detaches the stream under key; false when there was none.
  bool deleteStream(const UuidRecord& key);
  // Every stream ever made for this shape, attached or not, oldest first.
  std::vector<StreamObject*> allStreams() const;

  // Motion.
  MotionTrack& motion() { return motion_; }
  const MotionTrack& motion() const { return motion_; }

  // The host objects the plug-in sees (see shape_objects.h). asShapeClass is
  // the shape itself, as lookups and notices hand it out; asPartClass is the
  // part view asPart answers (null for a line); asLineClass is a line's shape
  // object (null for a part).
  shape_class* asShapeClass() const;
  part_class* asPartClass() const;
  line_class* asLineClass() const;
  // Every object through which the plug-in can reach the shape.
  std::vector<const shape_class*> faces() const;
  PartObject* partObject() const { return part_.get(); }
  PartObject* partView() const { return partView_.get(); }
  LineObject* lineObject() const { return line_.get(); }
  // What partShape and lineShape hand out, counted.
  PartObject* newPartObject() const { return newPart_.get(); }
  LineObject* newLineObject() const { return newLine_.get(); }
  JointControlObject& jointControlObject() const { return *jointControl_; }
  BallJointFrameObject& frameObject() const { return *frame_; }
  MotionObject& motionObject() const { return *motionObject_; }
  PartBuilderObject* partBuilder() const { return partBuilder_.get(); }
  LineBuilderObject* lineBuilder() const { return lineBuilder_.get(); }

  // Tree upkeep, for the scene's tree (shape_tree.h).
  void attachChild(Shape& child);
  void detachChild(Shape& child);
  void markRemoved() { removed_ = true; }
  void countUpdateParent() { ++updateParentCount_; }

private:
  StreamObject& attachStream(const UuidRecord& key,
                             std::optional<std::array<UuidRecord, 3>> ids,
                             std::vector<std::uint8_t> bytes);

  StandInScene& scene_;
  ShapeKind kind_;
  std::string name_;
  ShapeHandle handle_;
  Shape* parent_ = nullptr;
  std::vector<Shape*> children_;
  bool removed_ = false;
  int updateParentCount_ = 0;

  bool ballJoint_ = false;
  bool rotator_ = false;
  int partType_ = kPlainPartType;
  Quaternion rotation_;
  Quaternion defaultRotation_;
  Vec3 centre_;
  float value_ = 0.0F;
  float defaultValue_ = 0.0F;
  float minimum_ = 0.0F;
  float maximum_ = 0.0F;

  Matrix4 worldMatrix_ = identityMatrix;
  std::optional<Matrix4> transformation_;
  std::vector<int> partOptions_;

  std::vector<Vec3> points_;
  std::optional<Rgb> colour_;

  // Every stream made for the shape; the plug-in may hold one after it was
  // deleted or replaced.
  std::vector<std::unique_ptr<StreamObject>> streams_;

  MotionTrack motion_;

  std::unique_ptr<PartObject> part_;
  std::unique_ptr<PartObject> partView_;
  std::unique_ptr<PartObject> newPart_;
  std::unique_ptr<LineObject> line_;
  std::unique_ptr<LineObject> newLine_;
  std::unique_ptr<PartBuilderObject> partBuilder_;
  std::unique_ptr<LineBuilderObject> lineBuilder_;
  std::unique_ptr<JointControlObject> jointControl_;
  std::unique_ptr<BallJointFrameObject> frame_;
  std::unique_ptr<MotionObject> motionObject_;
};

}  // namespace jolvent::standin
