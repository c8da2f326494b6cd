#include "plugin/components.h"

#include "editing/settings_stream.h"
#include "notices/notices.h"
#include "panel/sliders.h"
#include "plugin/component_uuids.h"

namespace jolvent {

// main_component: the notices never write the host's flag.

void main_component::activeShapesNotice(bool*, Scene* scene, int count,
                                        shape_class* const* shapes) {
  onActiveShapes(scene, count, shapes);
}

bool main_component::shapesChangedNotice(bool*, Scene* scene, int count,
                                         shape_class* const* shapes) {
  onShapesChanged(scene, count, shapes);
  return false;
}

void main_component::jointDropNotice(bool*, Scene* scene) {
  onJointDropped(scene);
}

void main_component::command(HostApp* app, Scene* scene) {
  onCommand(app, scene);
}

void main_component::refreshNotice(bool*, Scene* scene) {
  onRefresh(scene);
}

void main_component::partNotice(bool* flag, part_class*, std::intptr_t, std::intptr_t) {
  *flag = false;
}

void main_component::sceneNotice(bool*, Scene* scene) {
  onScene(scene);
}

UuidRecord main_component::uuidRecord() {
  return kMainComponentRecord;
}

// attribute_component

void attribute_component::forwardedOperation(void* value1, void* value2,
                                             std::intptr_t value3) {
  forwardTarget(value1, value2, value3);
}

UuidRecord attribute_component::uuidRecord() {
  return kAttributeComponentRecord;
}

// The panel's angle sliders show the ranges the deletion put back, whatever
// joint they edit; the answer is always false.
bool attribute_component::clearJointSettings(shape_class* shape) {
  if (shape != nullptr && deleteJointSettings(*shape)) markAngleLimits();
  return false;
}

}  // namespace jolvent
