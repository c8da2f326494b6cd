// The workbench's host side, free of any window: the plug-in loaded and its
// components attached to a stand-in host holding the sample figure, and the
// notices a host sends as the user works.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/host_ref.h"
#include "host/plugin_interface.h"
#include "standin_host/plugin_module.h"
#include "standin_host/standin_host.h"

namespace jolvent::workbench {

// What the host found in the module, for the Plug-ins window (UTF-8).
struct PluginComponent {
  std::string interfaceName;  // "Plug-in interface", "Attribute interface"
  int index = 0;
  std::string englishName;  // quoted, as get_name answers each language
  std::string japaneseName;
  std::string uuid;  // the record's words
  bool resident = false;
};

struct PluginDescription {
  std::string module;  // name, version, author and company
  std::string description;
  int number = 0;
  int textEncoding = 0;
  std::vector<PluginComponent> components;
};

// What is wrong when the module cannot be loaded, for the user.
std::string explainLoadFailure(const std::string& path, bool fileExists,
                               const std::string& error);

class Session {
public:
  // Loads the module (PluginLoadError, explained, when it cannot), builds
  // the figure and creates and attaches the components. get_name is given
  // the application before anything else is asked of the module.
  Session(const std::string& pluginPath, bool japaneseUi);
  // Detaches and releases the components, then unloads the module.
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  standin::StandInHost& host() { return host_; }
  standin::StandInScene& scene() { return host_.scene(); }

  // Names of the menu items, in code page 932 as the module gives them.
  const std::string& commandName() const { return commandName_; }
  const std::string& attributeName() const { return attributeName_; }
  // The module's record and components, for the Plug-ins window.
  const PluginDescription& description() const { return description_; }

  // The document is open: the scene notice with the scene.
  void start();
  // The document goes: the scene notice with no scene.
  void close();

  // Selecting shapes sends the active-shape notice, only when it changes.
  void select(const std::vector<standin::Shape*>& shapes);
  void command();
  // The attribute component's action on each selected shape.
  void attributeAction();
  void jointDrop();
  void refresh();
  void setRecording(bool on);
  bool recording() const { return recording_; }

  // Moves the sequence to position and shows every motion's pose there; the
  // shapes whose pose changed are named in one shape-change notice.
  void setPosition(float position);
  // The last key position over every shape's motion (0 without keys).
  float lastKeyPosition();

private:
  standin::StandInHost host_;
  std::unique_ptr<standin::PluginModule> module_;
  // Declared after the module, so that they go before it on every path.
  HostRef<plugin_interface> main_;
  HostRef<attribute_interface> attribute_;
  std::string commandName_;
  std::string attributeName_;
  PluginDescription description_;
  bool open_ = false;
  bool recording_ = false;
};

}  // namespace jolvent::workbench
