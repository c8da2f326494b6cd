// The stand-in scene's tree model: every shape ever made, their parent/child
// tree under the root part, and lookup by handle, by host object and by name
// in scene order. StandInScene, the Scene the plug-in sees, owns one and
// builds on it; nothing here is journaled or checked against the protocol.
//
// - The root is a plain part named "(root)"; scene order leaves it out, so
//   lookups by name never find it.
// - Handles are large 64-bit numbers, never 0 and never reused. A removed
//   shape keeps its handle and its objects, and lookups by handle or object
//   still find it, so a stale one can be named in the books.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "host/fwd.h"
#include "standin_host/shape.h"

namespace jolvent::standin {

class StandInScene;

class ShapeTree {
public:
  // The tree holds only the root at first; every shape belongs to scene.
  explicit ShapeTree(StandInScene& scene);
  ~ShapeTree();
  ShapeTree(const ShapeTree&) = delete;
  ShapeTree& operator=(const ShapeTree&) = delete;

  Shape& root() const { return *root_; }
  // A new shape with the next handle, as parent's last child.
  Shape& add(ShapeKind kind, std::string name, Shape& parent);
  // Takes shape, neither the root nor removed, out of its parent and marks
  // it and everything inside it removed.
  void remove(Shape& shape);

  // The first shape in scene order (depth-first, parents before children)
  // with this name, or null.
  Shape* findByName(std::string_view name) const;
  // All shapes named so, in scene order.
  std::vector<Shape*> findAllByName(std::string_view name) const;
  // The shape behind any of its objects, removed ones included.
  Shape* shapeFor(const shape_class* object) const;
  // The shape a handle was given to, removed ones included.
  Shape* shapeWithHandle(ShapeHandle handle) const;
  // The shapes in the tree in scene order, the root left out.
  std::vector<Shape*> inOrder() const;
  // The tree as indented text, one shape a line.
  std::string describe() const;

private:
  Shape& make(ShapeKind kind, std::string name);

  StandInScene& scene_;
  std::vector<std::unique_ptr<Shape>> shapes_;  // every shape ever made
  std::unordered_map<ShapeHandle, Shape*> byHandle_;
  std::unordered_map<const shape_class*, Shape*> byObject_;
  ShapeHandle nextHandle_;
  Shape* root_ = nullptr;
};

}  // namespace jolvent::standin
