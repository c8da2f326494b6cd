// Natively: the module's code linked in, its windows in the headless model.
#include "editing/edit_state.h"
#include "host/module_boundary.h"
#include "panel/dialog_templates.h"
#include "panel/panel_state.h"
#include "plugin/discovery.h"
#include "plugin/module_lifetime.h"
#include "tests/scenarios/headless_desktop.h"
#include "tests/scenarios/plugin_session.h"
#include "window_system/headless_window_system.h"

namespace jolvent::test {

namespace {
// The user's registry outlives the module, as the real one does: what one
// session stores, the next reads.
HeadlessRegistry& userRegistry() {
  static HeadlessRegistry registry;
  return registry;
}
}  // namespace

struct PluginSession::Module {
  HeadlessWindowSystem windows;

  Module() {
    windows.registry() = userRegistry();
    windows.addTemplate(kPanelDialogTemplate);
    windows.addTemplate(kJointValueDialogTemplate);
    setWindowSystem(&windows);
    resetEditingState();
    resetPanelState();
    onProcessAttach(nullptr);
  }
  ~Module() { detach(); }
  void detach() {
    if (!attached) return;
    attached = false;
    onProcessDetach();
    setWindowSystem(nullptr);
    userRegistry() = windows.registry();
  }
  bool attached = true;
  Module(const Module&) = delete;
  Module& operator=(const Module&) = delete;
};

namespace {
unknown_interface* create(const GUID& id) {
  unknown_interface* object = nullptr;
  createComponent(&id, 0, &object);
  return object;
}
}  // namespace

PluginSession::PluginSession(standin::StandInHost& host)
    : host_(host),
      module_(std::make_unique<Module>()),
      desktop_(std::make_unique<HeadlessDesktop>(module_->windows)) {
  componentName(&PluginInterfaceId, 0, host_.appInterface());
  main_ = dynamic_cast<plugin_interface*>(create(PluginInterfaceId));
  attribute_ = dynamic_cast<attribute_interface*>(create(AttributeInterfaceId));
  host_.notifier().attach(main_);
}

const char* PluginSession::attributeName() {
  return componentName(&AttributeInterfaceId, 0, host_.appInterface());
}

// The model outlives the module's detach, so that what is left on its screen
// stays observable; it goes with the session.
void PluginSession::unload() {
  if (!module_->attached) return;
  host_.notifier().detach(main_);
  main_->Release();
  attribute_->Release();
  module_->detach();
}

PluginSession::~PluginSession() {
  unload();
  desktop_.reset();
}

}  // namespace jolvent::test
