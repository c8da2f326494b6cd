#include "standin_host/scene.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <functional>
#include <stdexcept>

#include "standin_host/motion.h"
#include "standin_host/shape_objects.h"
#include "standin_host/text.h"

namespace jolvent::standin {

namespace {

// Creation targets differ from handles, so one cannot pass for the other.
constexpr ShapeHandle kTargetTag = 0x0000A5A500000000ULL;
static_assert(sizeof(CreationTarget) == sizeof(ShapeHandle));

bool pointsInto(const StandInScene::ShapeArray& array, shape_class* const* pointer) {
  if (pointer == nullptr || array.shapes == nullptr) return false;
  const std::less<shape_class* const*> before;
  return !before(pointer, array.shapes) && before(pointer, array.shapes + array.count);
}

}  // namespace

StandInScene::StandInScene(HostContext& context)
    : Counted(context, "Scene", "", Lifetime::host),
      motionContainer_(std::make_unique<MotionContainerObject>(context, *this)),
      tree_(*this) {
  creationParent_ = &tree_.root();
}

StandInScene::~StandInScene() = default;

// Scene operations

HWND StandInScene::mainWindow(Reserved reserved) {
  enter("Scene::mainWindow", "", reserved);
  return chosenMainWindow_ ? *chosenMainWindow_ : ownMainWindow_.handle();
}

void StandInScene::updateViews(Reserved reserved) {
  enter("Scene::updateViews", "", reserved);
  ++updateViewsCount_;
}

LineBuilder* StandInScene::beginLine(const char* name, int zero, Reserved reserved) {
  enter("Scene::beginLine", name != nullptr ? name : "(null)", reserved);
  context_.protocol.expectZero("Scene::beginLine", "second argument", zero);
  if (name == nullptr) context_.protocol.violation("Scene::beginLine: null name");
  if (openLine_ != nullptr) {
    context_.protocol.violation(
        concat({"Scene::beginLine: line ", openLine_->name(), " is still open"}));
  }
  Shape& line =
      tree_.add(ShapeKind::line, name != nullptr ? name : "", placeForNewShape());
  openLine_ = &line;
  return line.lineBuilder();
}

void StandInScene::appendPoint(const Vec3* position, const Vec3* a, const Vec3* b,
                               const Vec3* c, const Vec3* d, Reserved reserved) {
  enter("Scene::appendPoint", position != nullptr ? formatVec3(*position) : "(null)",
        reserved);
  if (position == nullptr) {
    context_.protocol.violation("Scene::appendPoint: null position");
    return;
  }
  // The rule is one Vec3 given five times, not five equal ones.
  for (const Vec3* copy : {a, b, c, d}) {
    if (copy != position) {
      context_.protocol.violation(
          "Scene::appendPoint: the five pointers are not all to the same Vec3");
      break;
    }
  }
  if (openLine_ == nullptr) {
    context_.protocol.violation("Scene::appendPoint: no line is open");
    return;
  }
  openLine_->appendPoint(*position);
}

void StandInScene::endLine(Reserved reserved) {
  enter("Scene::endLine", "", reserved);
  if (openLine_ == nullptr) {
    context_.protocol.violation("Scene::endLine: no line is open");
    return;
  }
  openLine_ = nullptr;
}

PartBuilder* StandInScene::beginPart(const char* name, Reserved reserved) {
  enter("Scene::beginPart", name != nullptr ? name : "(null)", reserved);
  if (name == nullptr) context_.protocol.violation("Scene::beginPart: null name");
  if (openLine_ != nullptr) {
    context_.protocol.violation(
        concat({"Scene::beginPart: line ", openLine_->name(), " is still open"}));
  }
  Shape& part =
      tree_.add(ShapeKind::part, name != nullptr ? name : "", placeForNewShape());
  openParts_.push_back(&part);
  return part.partBuilder();
}

void StandInScene::endPart(Reserved reserved) {
  enter("Scene::endPart", "", reserved);
  if (openLine_ != nullptr) {
    context_.protocol.violation(
        concat({"Scene::endPart: line ", openLine_->name(), " is still open"}));
  }
  if (openParts_.empty()) {
    context_.protocol.violation("Scene::endPart: no part is open");
    return;
  }
  openParts_.pop_back();
}

int StandInScene::activeShapeCount(Reserved reserved) {
  enter("Scene::activeShapeCount", "", reserved);
  return static_cast<int>(selection_.size());
}

MotionContainer* StandInScene::motionContainer(int zero, Reserved reserved) {
  enter("Scene::motionContainer", "", reserved);
  context_.protocol.expectZero("Scene::motionContainer", "first argument", zero);
  return motionContainer_->handOut();
}

float StandInScene::guideScale(Reserved reserved) {
  enter("Scene::guideScale", "", reserved);
  return guideScale_;
}

shape_class* StandInScene::shapeByHandle(ShapeHandle handle, Reserved reserved) {
  enter("Scene::shapeByHandle", describeHandle(handle), reserved);
  Shape* shape = shapeWithHandle(handle);
  return isLive(shape) ? shape->asShapeClass() : nullptr;
}

shape_class* StandInScene::activeShape(int zero, Reserved reserved) {
  enter("Scene::activeShape", "", reserved);
  context_.protocol.expectZero("Scene::activeShape", "first argument", zero);
  Shape* shape = activeShapeModel();
  return shape != nullptr ? shape->asShapeClass() : nullptr;
}

shape_class* StandInScene::findShapeByName(const char* name, bool* flag) {
  enterUnreserved("Scene::findShapeByName", name != nullptr ? name : "(null)");
  if (flag != nullptr) {
    // Read as a byte: the caller must have set it to false, and a bool holding
    // anything else cannot be read as a bool.
    unsigned char byte = 0;
    std::memcpy(&byte, flag, 1);
    if (byte != 0) {
      context_.protocol.violation(concat({"Scene::findShapeByName: the flag byte held ",
                                          std::to_string(byte), ", expected 0"}));
    }
    *flag = false;
  } else {
    context_.protocol.violation("Scene::findShapeByName: null flag");
  }
  if (name == nullptr) {
    context_.protocol.violation("Scene::findShapeByName: null name");
    return nullptr;
  }
  Shape* shape = findByName(name);
  return shape != nullptr ? shape->asShapeClass() : nullptr;
}

void StandInScene::setCreationParent(CreationTarget target, Reserved reserved) {
  const ShapeHandle handle = static_cast<ShapeHandle>(target) ^ kTargetTag;
  Shape* shape = shapeWithHandle(handle);
  enter("Scene::setCreationParent",
        shape != nullptr ? describeHandle(handle) : describeHandle(target), reserved);
  if (!isLive(shape) || !shape->isPart()) {
    context_.protocol.violation(
        "Scene::setCreationParent: the value names no part in the scene");
    creationParent_ = &tree_.root();
    return;
  }
  creationParent_ = shape;
}

bool StandInScene::isValidHandle(ShapeHandle handle, Reserved reserved) {
  enter("Scene::isValidHandle", describeHandle(handle), reserved);
  return isLive(shapeWithHandle(handle)) && !invalidHandles_.contains(handle);
}

void StandInScene::setActiveShapes(int count, shape_class* const* shapes,
                                   Reserved reserved) {
  std::string details = std::to_string(count);
  for (int i = 0; shapes != nullptr && i < count; ++i) {
    const Shape* shape = shapeFor(shapes[i]);
    details += ' ';
    details += shape != nullptr ? shape->name() : std::string("(unknown)");
  }
  enter("Scene::setActiveShapes", details, reserved);
  if (pointsInto(noticeArray_, shapes)) {
    context_.protocol.violation(
        "Scene::setActiveShapes: given the notice's own shape array, not a copy");
  }
  if (count < 0 || (count > 0 && shapes == nullptr)) {
    context_.protocol.violation(
        concat({"Scene::setActiveShapes: ", std::to_string(count), " shapes from a ",
                shapes == nullptr ? "null" : "non-null", " array"}));
    count = 0;
  }
  std::vector<Shape*> chosen;
  for (int i = 0; i < count; ++i) {
    Shape* shape = shapeFor(shapes[i]);
    if (shape == nullptr) {
      context_.protocol.violation(
          concat({"Scene::setActiveShapes: entry ", std::to_string(i),
                  " is not a shape of this host"}));
    } else if (shape->isRemoved()) {
      context_.protocol.violation(concat(
          {"Scene::setActiveShapes: ", shape->name(), " is no longer in the scene"}));
    } else {
      chosen.push_back(shape);
    }
  }
  selection_ = std::move(chosen);
  if (activeShapesHook_) activeShapesHook_();
}

bool StandInScene::isMotionMode(Reserved reserved) {
  enter("Scene::isMotionMode", "", reserved);
  return motionMode_;
}

void StandInScene::setHandleValid(ShapeHandle handle, bool valid) {
  if (valid) {
    invalidHandles_.erase(handle);
  } else {
    invalidHandles_.insert(handle);
  }
}

// Building

Shape& StandInScene::parentForHelper(Shape* parent) const {
  if (parent == nullptr) return tree_.root();
  if (!parent->isPart() || parent->isRemoved() || &parent->scene() != this) {
    throw std::invalid_argument(
        concat({"stand-in scene: ", parent->name(), " cannot take new shapes"}));
  }
  return *parent;
}

Shape& StandInScene::placeForNewShape() const {
  if (!openParts_.empty()) return *openParts_.back();
  return *creationParent_;
}

Shape& StandInScene::addPart(std::string name, Shape* parent) {
  return tree_.add(ShapeKind::part, std::move(name), parentForHelper(parent));
}

Shape& StandInScene::addBallJoint(std::string name, Shape* parent, const Vec3& centre,
                                  const Quaternion& rotation) {
  Shape& joint = addPart(std::move(name), parent);
  joint.setBallJoint(true)
      .setPartType(kBallJointPartType)
      .setCentre(centre)
      .setRotation(rotation);
  return joint;
}

Shape& StandInScene::addValuedJoint(std::string name, int kind, float value,
                                    float minimum, float maximum, float defaultValue,
                                    Shape* parent) {
  Shape& joint = addPart(std::move(name), parent);
  joint.setPartType(kind)
      .setValue(value)
      .setMinimum(minimum)
      .setMaximum(maximum)
      .setDefaultValue(defaultValue);
  return joint;
}

Shape& StandInScene::addLine(std::string name, std::vector<Vec3> points, Shape* parent) {
  Shape& line = tree_.add(ShapeKind::line, std::move(name), parentForHelper(parent));
  for (const Vec3& point : points) line.appendPoint(point);
  return line;
}

void StandInScene::select(const std::vector<Shape*>& shapes) {
  for (const Shape* shape : shapes) {
    if (!isLive(shape) || &shape->scene() != this) {
      throw std::invalid_argument(
          "stand-in scene: only shapes in the scene can be selected");
    }
  }
  selection_ = shapes;
}

Shape* StandInScene::activeShapeModel() const {
  if (!selection_.empty()) return selection_.front();
  return emptySelection_ == EmptySelection::root ? &tree_.root() : nullptr;
}

// Journal texts

std::string StandInScene::describeHandle(ShapeHandle handle) const {
  if (const Shape* shape = shapeWithHandle(handle)) {
    return shape->isRemoved() ? shape->name() + " (removed)" : shape->name();
  }
  char text[24];
  std::snprintf(text, sizeof text, "0x%" PRIx64, static_cast<std::uint64_t>(handle));
  return text;
}

// For the shape objects

CreationTarget StandInScene::targetOf(const Shape& shape) const {
  return static_cast<CreationTarget>(shape.handle() ^ kTargetTag);
}

void StandInScene::removeShape(Shape& shape) {
  if (&shape == &tree_.root()) {
    context_.protocol.violation("shape_class::remove: the root cannot be removed");
    return;
  }
  if (shape.isRemoved()) {
    context_.protocol.violation(
        concat({"shape_class::remove: ", shape.name(), " was already removed"}));
    return;
  }
  tree_.remove(shape);
  std::erase_if(selection_, [](const Shape* s) { return s->isRemoved(); });
  std::erase_if(openParts_, [](const Shape* s) { return s->isRemoved(); });
  if (openLine_ != nullptr && openLine_->isRemoved()) openLine_ = nullptr;
  if (creationParent_->isRemoved()) creationParent_ = &tree_.root();
  if (removedHook_) removedHook_(shape);
}

void StandInScene::jointChanged(Shape& shape) {
  if (jointChangedHook_) jointChangedHook_(shape);
}

}  // namespace jolvent::standin
