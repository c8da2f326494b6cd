// The module's answers to get_info.
#pragma once

#include <cstdint>

#include "host/module_boundary.h"

namespace jolvent {

inline constexpr std::int32_t kModuleInfoNumber = 430196;
// Also the version resource's file and product version.
inline constexpr std::int32_t kModuleVersion[4] = {3, 0, 0, 0};

// Fills every field but the host's own.
void fillModuleInfo(ModuleInfo& info);

}  // namespace jolvent
