// Windows: the DLL from disk, as a host loads it, and the real desktop.
#include <windows.h>

#include "host/module_boundary.h"
#include "standin_host/plugin_module.h"
#include "tests/common/module_path.h"
#include "tests/scenarios/plugin_session.h"
#include "tests/scenarios/win32_desktop.h"

namespace jolvent::test {

struct PluginSession::Module {
  standin::PluginModule library{modulePath()};
};

PluginSession::PluginSession(standin::StandInHost& host)
    : host_(host),
      module_(std::make_unique<Module>()),
      desktop_(std::make_unique<Win32Desktop>()) {
  const PluginExports& exports = module_->library.exports();
  exports.get_name(&PluginInterfaceId, 0, host_.appInterface());
  main_ = dynamic_cast<plugin_interface*>(module_->library.create(PluginInterfaceId, 0));
  attribute_ = dynamic_cast<attribute_interface*>(
      module_->library.create(AttributeInterfaceId, 0));
  host_.notifier().attach(main_);
}

const char* PluginSession::attributeName() {
  return module_->library.exports().get_name(&AttributeInterfaceId, 0,
                                             host_.appInterface());
}

void PluginSession::unload() {
  if (!module_) return;
  host_.notifier().detach(main_);
  main_->Release();
  attribute_->Release();
  module_.reset();
}

PluginSession::~PluginSession() {
  unload();
}

}  // namespace jolvent::test
