// The scene as stable text for comparing sessions: every joint's rotation
// and value, its attached streams' bytes in hex, and its motion keys.
#pragma once

#include <string>

#include "standin_host/scene.h"

namespace jolvent::workbench {

std::string dumpScene(const standin::StandInScene& scene);

}  // namespace jolvent::workbench
