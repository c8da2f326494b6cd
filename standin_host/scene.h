// The stand-in's open document: the Scene the plug-in sees over a tree of
// shapes under a root part (shape_tree.h), the selection, shape creation
// through the builder operations, and the scene's settings. Its other members
// are what tests use to build and inspect the scene (not journaled).
//
// Choices where the interface leaves room:
// - The root is a plain part named "(root)" that cannot be removed and is not
//   searched by findShapeByName; shapes added without a parent go into it.
// - activeShape with nothing selected answers the root (never null), unless
//   setEmptySelection(EmptySelection::null) asks for null.
// - Handles are large 64-bit numbers, never 0 and never reused; a removed
//   shape's handle (and those of everything inside it) is invalid at once,
//   while the shape object itself lives on until the host is destroyed.
// - New shapes go into the innermost part open with beginPart, else into the
//   creation parent from setCreationParent (kept until set again or removed),
//   else into the root.
// - setActiveShapes copies the array; a shape the host does not know or one no
//   longer in the scene is dropped and recorded as a protocol violation, and
//   so is being given (part of) the array of the notice being delivered: the
//   host may change or free that array, so the plug-in must copy it first.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "host/scene.h"
#include "standin_host/counted.h"
#include "standin_host/main_window.h"
#include "standin_host/shape.h"
#include "standin_host/shape_tree.h"

namespace jolvent::standin {

class MotionContainerObject;

enum class EmptySelection { root, null };

class StandInScene final : public Counted<Scene> {
public:
  explicit StandInScene(HostContext& context);
  ~StandInScene();

  // Scene.
  HWND mainWindow(Reserved reserved) override;
  void updateViews(Reserved reserved) override;
  LineBuilder* beginLine(const char* name, int zero, Reserved reserved) override;
  void appendPoint(const Vec3* position, const Vec3* a, const Vec3* b, const Vec3* c,
                   const Vec3* d, Reserved reserved) override;
  void endLine(Reserved reserved) override;
  PartBuilder* beginPart(const char* name, Reserved reserved) override;
  void endPart(Reserved reserved) override;
  int activeShapeCount(Reserved reserved) override;
  MotionContainer* motionContainer(int zero, Reserved reserved) override;
  float guideScale(Reserved reserved) override;
  shape_class* shapeByHandle(ShapeHandle handle, Reserved reserved) override;
  shape_class* activeShape(int zero, Reserved reserved) override;
  shape_class* findShapeByName(const char* name, bool* flag) override;
  void setCreationParent(CreationTarget target, Reserved reserved) override;
  bool isValidHandle(ShapeHandle handle, Reserved reserved) override;
  void setActiveShapes(int count, shape_class* const* shapes, Reserved reserved) override;
  bool isMotionMode(Reserved reserved) override;

  // Building the scene. parent null means the root; it must be a part still
  // in the scene (std::invalid_argument otherwise).
  Shape& root() const { return tree_.root(); }
  Shape& addPart(std::string name, Shape* parent = nullptr);
  // A part answering isBallJoint, of partType kBallJointPartType.
  Shape& addBallJoint(std::string name, Shape* parent = nullptr, const Vec3& centre = {},
                      const Quaternion& rotation = {});
  // A single-valued joint: partType kind (2 to 9 and 13 are the valued kinds).
  Shape& addValuedJoint(std::string name, int kind, float value, float minimum,
                        float maximum, float defaultValue = 0.0F,
                        Shape* parent = nullptr);
  Shape& addLine(std::string name, std::vector<Vec3> points = {},
                 Shape* parent = nullptr);

  // The selection. select replaces it; every shape must be in the scene.
  void select(const std::vector<Shape*>& shapes);
  const std::vector<Shape*>& selection() const { return selection_; }
  // What activeShape answers, as a shape (null when it answers null).
  Shape* activeShapeModel() const;

  // Looking shapes up without going through the plug-in's operations.
  // The first shape in the scene with this name, in the order findShapeByName
  // uses (depth-first, parents before children), or null.
  Shape* findByName(std::string_view name) const { return tree_.findByName(name); }
  // All shapes named so, in scene order.
  std::vector<Shape*> findAllByName(std::string_view name) const {
    return tree_.findAllByName(name);
  }
  // The shape behind any of the objects the host hands out for it, removed
  // ones included.
  Shape* shapeFor(const shape_class* object) const { return tree_.shapeFor(object); }
  // The shape a handle was given to, removed ones included.
  Shape* shapeWithHandle(ShapeHandle handle) const {
    return tree_.shapeWithHandle(handle);
  }
  // The shapes in the scene in scene order, the root left out.
  std::vector<Shape*> shapesInOrder() const { return tree_.inOrder(); }
  // The tree as indented text, one shape a line, for failure messages.
  std::string describeTree() const { return tree_.describe(); }

  // Settings.
  void setGuideScale(float scale) { guideScale_ = scale; }
  void setMotionMode(bool motionMode) { motionMode_ = motionMode; }
  // What mainWindow answers instead of the host's own window (main_window.h).
  void setMainWindowHandle(HWND window) { chosenMainWindow_ = window; }
  // Makes isValidHandle answer false for a handle of a shape still in the
  // scene (shapeByHandle still finds it), or undoes that.
  void setHandleValid(ShapeHandle handle, bool valid);
  // The sequence position every Motion::currentPosition answers.
  void setSequencePosition(float position) { sequencePosition_ = position; }
  float sequencePosition() const { return sequencePosition_; }
  void setEmptySelection(EmptySelection answer) { emptySelection_ = answer; }
  int updateViewsCount() const { return updateViewsCount_; }

  // Creation state.
  bool lineOpen() const { return openLine_ != nullptr; }
  // Parts begun and not ended, outermost first.
  const std::vector<Shape*>& openParts() const { return openParts_; }
  Shape& creationParent() const { return *creationParent_; }

  // Optional reactions for tests that want the host to answer the plug-in's
  // changes with notices (see Notifier). Unset, the scene never calls out.
  void setActiveShapesHook(std::function<void()> hook) {
    activeShapesHook_ = std::move(hook);
  }
  void setJointChangedHook(std::function<void(Shape&)> hook) {
    jointChangedHook_ = std::move(hook);
  }
  // Called once the remove operation has taken a shape out of the scene.
  void setRemovedHook(std::function<void(Shape&)> hook) {
    removedHook_ = std::move(hook);
  }

  MotionContainerObject& motionContainerObject() const { return *motionContainer_; }

  // The shape array of the notice being delivered, for the Notifier; empty
  // between notices.
  struct ShapeArray {
    shape_class* const* shapes = nullptr;
    std::size_t count = 0;
  };
  ShapeArray noticeArray() const { return noticeArray_; }
  void setNoticeArray(ShapeArray array) { noticeArray_ = array; }

  // For the shape objects.
  HostContext& context() const { return context_; }
  CreationTarget targetOf(const Shape& shape) const;
  // The remove operation.
  void removeShape(Shape& shape);
  // After JointControl::setValue or setRotation.
  void jointChanged(Shape& shape);

private:
  Shape& parentForHelper(Shape* parent) const;
  Shape& placeForNewShape() const;
  bool isLive(const Shape* shape) const {
    return shape != nullptr && !shape->isRemoved();
  }
  std::string describeHandle(ShapeHandle handle) const;

  std::unordered_set<ShapeHandle> invalidHandles_;
  Shape* creationParent_ = nullptr;
  std::vector<Shape*> selection_;
  std::vector<Shape*> openParts_;
  Shape* openLine_ = nullptr;

  float guideScale_ = 1.0F;
  bool motionMode_ = false;
  MainWindow ownMainWindow_;
  std::optional<HWND> chosenMainWindow_;
  int updateViewsCount_ = 0;
  float sequencePosition_ = 0.0F;
  EmptySelection emptySelection_ = EmptySelection::root;
  ShapeArray noticeArray_;

  std::unique_ptr<MotionContainerObject> motionContainer_;
  // After the motion container: the books list objects in the order they
  // were made, the container's before the root's.
  ShapeTree tree_;
  std::function<void()> activeShapesHook_;
  std::function<void(Shape&)> jointChangedHook_;
  std::function<void(Shape&)> removedHook_;
};

}  // namespace jolvent::standin
