// Loads Jolvent10 the way a host does and prints what the host discovers:
// the module's record, and for each interface its components' names, UUIDs and
// residency, with one component of each created and released again.
//
//   jolvent_discover <path to Jolvent10.dll or .so>
#include <cstdio>
#include <exception>
#include <string>

#include "host/host_ref.h"
#include "host/module_boundary.h"
#include "host/plugin_interface.h"
#include "standin_host/plugin_module.h"
#include "standin_host/standin_host.h"
#include "workbench/text_encoding.h"

namespace {

using jolvent::ModuleInfo;
using jolvent::UuidRecord;
using jolvent::standin::PluginModule;
using jolvent::standin::StandInHost;
using jolvent::workbench::quotedName;

void describeInterface(const PluginModule& module, StandInHost& host, const char* title,
                       const GUID& id) {
  const auto& exports = module.exports();
  const int count = exports.has_interface(&id);
  std::printf("\n%s: %d component%s\n", title, count, count == 1 ? "" : "s");
  for (int index = 0; index < count; ++index) {
    host.app().setJapaneseUi(false);
    const std::string english =
        quotedName(exports.get_name(&id, index, host.appInterface()));
    host.app().setJapaneseUi(true);
    const std::string japanese =
        quotedName(exports.get_name(&id, index, host.appInterface()));
    std::printf("  [%d] name %s, Japanese UI %s\n", index, english.c_str(),
                japanese.c_str());
    std::printf("      uuid %s, resident %s\n",
                jolvent::uuidText(exports.get_uuid(&id, index)).text,
                exports.is_resident(&id, index) ? "yes" : "no");
    // The host's reference, given back on every path.
    auto component =
        jolvent::HostRef<jolvent::unknown_interface>::adopt(module.create(id, index));
    if (component) {
      // Both interfaces derive from plugin_interface; the host knows which it asked for.
      auto* plugin = static_cast<jolvent::plugin_interface*>(component.get());
      UuidRecord uuid;
      std::printf("      created: interface number %d, component uuid %s\n",
                  plugin->interfaceNumber(),
                  jolvent::uuidText(*plugin->componentUuid(&uuid)).text);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <plug-in library>\n", argv[0]);
    return 2;
  }
  try {
    PluginModule module(argv[1]);
    StandInHost host;
    const auto& exports = module.exports();

    ModuleInfo info{};
    exports.get_info(&info);
    std::printf("%s %d.%d.%d.%d by %s (%s)\n", info.name, info.version[0],
                info.version[1], info.version[2], info.version[3], info.author,
                info.company);
    std::printf("  %s\n", quotedName(info.description).c_str());
    std::printf("  module number %d, texts in code page %d\n", info.number,
                exports.get_text_encoding());

    describeInterface(module, host, "Plug-in interface", jolvent::PluginInterfaceId);
    describeInterface(module, host, "Attribute interface", jolvent::AttributeInterfaceId);

    const std::string problems = host.problems();
    std::printf("\nHost books: %s\n", problems.empty() ? "clean" : problems.c_str());
    return problems.empty() ? 0 : 1;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "error: %s\n", error.what());
    return 1;
  }
}
