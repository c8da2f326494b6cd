// Opening and saving the scene as a file, behind one function the menus and
// scripts call.
#pragma once

#include <string>

#include "standin_host/scene.h"

namespace jolvent::workbench {

enum class DocumentAction { open, save };

// Does the action on path; answers what went wrong, or "" when it worked.
std::string documentFileAction(DocumentAction action, standin::StandInScene& scene,
                               const std::string& path);

}  // namespace jolvent::workbench
