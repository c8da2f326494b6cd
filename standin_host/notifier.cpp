#include "standin_host/notifier.h"

#include <algorithm>
#include <string>

#include "platform/scope_exit.h"
#include "standin_host/app.h"
#include "standin_host/scene.h"
#include "standin_host/shape.h"
#include "standin_host/text.h"

namespace jolvent::standin {

namespace {
// Shows the scene the array of the notice being delivered, for the life of a
// scope; nested notices restore the outer one's.
auto showNoticeArray(StandInScene& scene, const std::vector<shape_class*>& objects) {
  StandInScene::ShapeArray outer = scene.noticeArray();
  scene.setNoticeArray({objects.data(), objects.size()});
  return ScopeExit([&scene, outer] { scene.setNoticeArray(outer); });
}
}  // namespace

Notifier::Notifier(HostContext& context, StandInApp& app, StandInScene& scene)
    : context_(context), app_(app), scene_(scene) {}

void Notifier::attach(plugin_interface* component) {
  components_.push_back(component);
}

void Notifier::detach(plugin_interface* component) {
  std::erase(components_, component);
}

Scene* Notifier::currentScene() const {
  return app_.sceneOpen() ? &scene_ : nullptr;
}

std::vector<shape_class*> Notifier::objectsOf(const std::vector<Shape*>& shapes) {
  std::vector<shape_class*> objects;
  for (const Shape* shape : shapes) objects.push_back(shape->asShapeClass());
  return objects;
}

void Notifier::journal(const char* notice, const std::vector<Shape*>& shapes) {
  std::string entry = concat({"Notice::", notice, " ", std::to_string(shapes.size())});
  for (const Shape* shape : shapes) {
    entry += ' ';
    entry += shape->name();
  }
  context_.journal.record(std::move(entry));
}

void Notifier::activeShapes() {
  activeShapes(scene_.selection());
}

void Notifier::activeShapes(const std::vector<Shape*>& shapes) {
  deliverActiveShapes(shapes);
}

void Notifier::deliverActiveShapes(const std::vector<Shape*>& shapes) {
  journal("activeShapes", shapes);
  const std::vector<shape_class*> objects = objectsOf(shapes);
  const auto showing = showNoticeArray(scene_, objects);
  for (plugin_interface* component : std::vector(components_)) {
    bool flag = true;
    component->activeShapesNotice(&flag, currentScene(), static_cast<int>(objects.size()),
                                  objects.data());
    lastFlag_ = flag;
  }
}

void Notifier::shapesChanged(const std::vector<Shape*>& shapes) {
  deliverShapesChanged(shapes);
}

void Notifier::deliverShapesChanged(const std::vector<Shape*>& shapes) {
  journal("shapesChanged", shapes);
  const std::vector<shape_class*> objects = objectsOf(shapes);
  const auto showing = showNoticeArray(scene_, objects);
  for (plugin_interface* component : std::vector(components_)) {
    bool flag = true;
    component->shapesChangedNotice(&flag, currentScene(),
                                   static_cast<int>(objects.size()), objects.data());
    lastFlag_ = flag;
  }
}

void Notifier::jointDropped() {
  context_.journal.record("Notice::jointDrop");
  for (plugin_interface* component : std::vector(components_)) {
    bool flag = true;
    component->jointDropNotice(&flag, currentScene());
    lastFlag_ = flag;
  }
}

void Notifier::command() {
  context_.journal.record("Notice::command");
  for (plugin_interface* component : std::vector(components_)) {
    component->command(&app_, currentScene());
  }
}

void Notifier::refresh() {
  context_.journal.record("Notice::refresh");
  for (plugin_interface* component : std::vector(components_)) {
    bool flag = true;
    component->refreshNotice(&flag, currentScene());
    lastFlag_ = flag;
  }
}

void Notifier::sceneOpened() {
  context_.journal.record("Notice::sceneOpened");
  for (plugin_interface* component : std::vector(components_)) {
    bool flag = true;
    component->sceneNotice(&flag, &scene_);
    lastFlag_ = flag;
  }
}

void Notifier::sceneClosed() {
  context_.journal.record("Notice::sceneClosed");
  for (plugin_interface* component : std::vector(components_)) {
    bool flag = true;
    component->sceneNotice(&flag, nullptr);
    lastFlag_ = flag;
  }
}

void Notifier::setEchoActiveShapes(bool on) {
  if (!on) {
    scene_.setActiveShapesHook(nullptr);
    return;
  }
  scene_.setActiveShapesHook([this] {
    if (echoing_) return;
    const auto echoing = raiseForScope(echoing_);
    deliverActiveShapes(scene_.selection());
  });
}

void Notifier::setEchoJointChanges(bool on) {
  if (!on) {
    scene_.setJointChangedHook(nullptr);
    return;
  }
  scene_.setJointChangedHook([this](Shape& shape) {
    if (echoing_) return;
    const auto echoing = raiseForScope(echoing_);
    deliverShapesChanged({&shape});
  });
}

}  // namespace jolvent::standin
