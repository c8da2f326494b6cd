#include "standin_host/shape_tree.h"

#include "standin_host/text.h"

namespace jolvent::standin {

namespace {

// Handles are far above 32 bits, so a handle cut to 32 bits names nothing.
constexpr ShapeHandle kFirstHandle = 0x4A4F4C0000000100ULL;
constexpr ShapeHandle kHandleStep = 0x10;

void appendInOrder(const Shape& from, std::vector<Shape*>& out) {
  for (Shape* child : from.children()) {
    out.push_back(child);
    appendInOrder(*child, out);
  }
}

void markSubtreeRemoved(Shape& shape) {
  shape.markRemoved();
  for (Shape* child : shape.children()) markSubtreeRemoved(*child);
}

std::string describeShape(const Shape& shape) {
  std::string text = shape.name();
  if (shape.isLine()) {
    text += concat({" [line, ", std::to_string(shape.points().size()), " points]"});
  } else if (shape.isBallJoint()) {
    text += concat({" [ball joint, part type ", std::to_string(shape.partType()), "]"});
  } else {
    text += concat({" [part type ", std::to_string(shape.partType()), "]"});
  }
  return text;
}

void describeSubtree(const Shape& shape, int depth, std::string& out) {
  out +=
      std::string(static_cast<std::size_t>(2 * depth), ' ') + describeShape(shape) + "\n";
  for (const Shape* child : shape.children()) describeSubtree(*child, depth + 1, out);
}

}  // namespace

ShapeTree::ShapeTree(StandInScene& scene) : scene_(scene), nextHandle_(kFirstHandle) {
  root_ = &make(ShapeKind::part, "(root)");
}

ShapeTree::~ShapeTree() = default;

Shape& ShapeTree::make(ShapeKind kind, std::string name) {
  const ShapeHandle handle = nextHandle_;
  nextHandle_ += kHandleStep;
  Shape& shape = *shapes_.emplace_back(
      std::make_unique<Shape>(scene_, kind, std::move(name), handle));
  byHandle_[handle] = &shape;
  for (const shape_class* face : shape.faces()) byObject_[face] = &shape;
  return shape;
}

Shape& ShapeTree::add(ShapeKind kind, std::string name, Shape& parent) {
  Shape& shape = make(kind, std::move(name));
  parent.attachChild(shape);
  return shape;
}

void ShapeTree::remove(Shape& shape) {
  shape.parent()->detachChild(shape);
  markSubtreeRemoved(shape);
}

Shape* ShapeTree::findByName(std::string_view name) const {
  for (Shape* shape : inOrder()) {
    if (shape->name() == name) return shape;
  }
  return nullptr;
}

std::vector<Shape*> ShapeTree::findAllByName(std::string_view name) const {
  std::vector<Shape*> found;
  for (Shape* shape : inOrder()) {
    if (shape->name() == name) found.push_back(shape);
  }
  return found;
}

Shape* ShapeTree::shapeFor(const shape_class* object) const {
  const auto it = byObject_.find(object);
  return it != byObject_.end() ? it->second : nullptr;
}

Shape* ShapeTree::shapeWithHandle(ShapeHandle handle) const {
  const auto it = byHandle_.find(handle);
  return it != byHandle_.end() ? it->second : nullptr;
}

std::vector<Shape*> ShapeTree::inOrder() const {
  std::vector<Shape*> shapes;
  appendInOrder(*root_, shapes);
  return shapes;
}

std::string ShapeTree::describe() const {
  std::string text;
  describeSubtree(*root_, 0, text);
  return text;
}

}  // namespace jolvent::standin
