// The record get_info fills for the host.
#pragma once

#include <cstddef>
#include <cstdint>

namespace jolvent {

inline constexpr std::int32_t kModuleInfoNumber = 430196;
// Also the version resource's file and product version.
inline constexpr std::int32_t kModuleVersion[4] = {3, 0, 0, 0};

struct ModuleInfo {
  std::uint32_t hostField;  // the host's; never written
  std::int32_t number;
  std::int32_t version[4];
  const char* name;
  const char* author;
  const char* company;
  const char* description;
};

static_assert(offsetof(ModuleInfo, number) == 4);
static_assert(offsetof(ModuleInfo, version) == 8);
static_assert(offsetof(ModuleInfo, name) == 24);
static_assert(offsetof(ModuleInfo, description) == 24 + 3 * sizeof(void*));
static_assert(sizeof(ModuleInfo) == 24 + 4 * sizeof(void*));

// Fills every field but the host's own.
void fillModuleInfo(ModuleInfo& info);

}  // namespace jolvent
