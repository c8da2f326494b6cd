// The module's two components. They hold nothing but their reference count:
// all editing state is module-wide, so every object of a class behaves alike.
#pragma once

#include "host/component.h"

namespace jolvent {

// The plug-in's command and its notifications; drives the control panel.
class main_component final : public component<main_component, plugin_interface> {
public:
  static UuidRecord uuidRecord();

  void activeShapesNotice(bool* flag, Scene* scene, int count,
                          shape_class* const* shapes) override;
  bool shapesChangedNotice(bool* flag, Scene* scene, int count,
                           shape_class* const* shapes) override;
  void jointDropNotice(bool* flag, Scene* scene) override;
  void command(HostApp* app, Scene* scene) override;
  void refreshNotice(bool* flag, Scene* scene) override;
  void partNotice(bool* flag, part_class* part, std::intptr_t value1,
                  std::intptr_t value2) override;
  void sceneNotice(bool* flag, Scene* scene) override;
};

// One action on a shape: removes the joint settings stored with it.
class attribute_component final
    : public component<attribute_component, attribute_interface> {
public:
  static UuidRecord uuidRecord();

  void forwardedOperation(void* value1, void* value2, std::intptr_t value3) override;
  bool clearJointSettings(shape_class* shape) override;
};

}  // namespace jolvent
