// The plug-in as the scenarios meet it: loaded, named to the host (which
// hands it the application), its two components made through
// create_interface and attached to the stand-in host's notifier, and a desktop
// on which its windows appear.
//
// Natively the module's code is linked into the test and its windows are
// the headless model's; on Windows the DLL is loaded from disk through its
// exports and its windows are real.
#pragma once

#include <memory>

#include "host/plugin_interface.h"
#include "standin_host/standin_host.h"
#include "tests/scenarios/desktop.h"

namespace jolvent::test {

class PluginSession {
public:
  explicit PluginSession(standin::StandInHost& host);
  // Releases the components and unloads the module, if not done yet.
  ~PluginSession();
  PluginSession(const PluginSession&) = delete;
  PluginSession& operator=(const PluginSession&) = delete;

  plugin_interface& main() { return *main_; }
  attribute_interface& attribute() { return *attribute_; }
  Desktop& desktop() { return *desktop_; }
  // The name the host shows for the attribute component's action.
  const char* attributeName();

  // The host lets the components go and unloads the module, whatever is on
  // the screen: the module's detach runs.
  void unload();

private:
  struct Module;
  standin::StandInHost& host_;
  std::unique_ptr<Module> module_;
  std::unique_ptr<Desktop> desktop_;
  plugin_interface* main_ = nullptr;
  attribute_interface* attribute_ = nullptr;
};

}  // namespace jolvent::test
