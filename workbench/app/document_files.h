// Opening and saving the scene as a glTF 2.0 file, behind one function the
// menus and scripts call.
#pragma once

#include <string>
#include <vector>

#include "standin_host/standin_host.h"

namespace jolvent::workbench {

enum class DocumentAction { open, save };

struct DocumentResult {
  std::string error;                  // empty when it worked
  std::vector<std::string> warnings;  // what an opened file held that the scene cannot
};

// Saves the host's scene to path (.gltf or .glb), or replaces it with the
// file's. An open first reads the file aside, so a file that cannot be read
// leaves the current scene as it was; a good one is brought in as a host
// does: the plug-in is told the scene went, then that the new one is there.
DocumentResult documentFileAction(DocumentAction action, standin::StandInHost& host,
                                  const std::string& path);

}  // namespace jolvent::workbench
