// The plug-in as a host loads it: the library by path, then each of the seven
// exports by name. Loading fails, naming what is missing, when the library or
// any export cannot be found.
#pragma once

#include <stdexcept>
#include <string>

#include "host/module_boundary.h"
#include "host/plugin_interface.h"

namespace jolvent::standin {

class PluginLoadError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

class PluginModule {
public:
  // Throws PluginLoadError naming the library or the first missing export.
  explicit PluginModule(const std::string& path);
  // Unloads the library: the module's detach runs.
  ~PluginModule();
  PluginModule(const PluginModule&) = delete;
  PluginModule& operator=(const PluginModule&) = delete;

  const PluginExports& exports() const { return exports_; }

  // A new component of the interface, holding the one reference the host
  // owns, or null when the module serves none.
  unknown_interface* create(const GUID& id, int index) const;

private:
  void* library_ = nullptr;
  PluginExports exports_;
};

}  // namespace jolvent::standin
