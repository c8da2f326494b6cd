// The module's answers to get_info.
#pragma once

#include <cstdint>

#include "host/module_boundary.h"
#include "plugin/version.h"

namespace jolvent {

inline constexpr std::int32_t kModuleInfoNumber = 430196;
inline constexpr std::int32_t kModuleVersion[4] = {JOLVENT_VERSION};

// Fills every field but the host's own.
void fillModuleInfo(ModuleInfo& info);

}  // namespace jolvent
