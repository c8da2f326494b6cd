// The UUIDs by which the host knows the module's two components.
#pragma once

#include "editing/settings_stream.h"
#include "host/uuid_record.h"

namespace jolvent {

inline constexpr const char* MainComponentUuid = "7EE80734-BEB6-4c23-A233-273EBE61B210";
inline constexpr const char* AttributeComponentUuid =
    "B172CE52-398B-446a-862C-D8817C6AE356";

inline constexpr UuidRecord kMainComponentRecord = parseUuidText(MainComponentUuid);
inline constexpr UuidRecord kAttributeComponentRecord =
    parseUuidText(AttributeComponentUuid);

// Documents written since the first version key every joint's settings with
// the main component's UUID.
static_assert(kMainComponentRecord == kJointSettingsKey);

}  // namespace jolvent
