// The names by which the host and the module know each other.
#pragma once

#include "platform/win32_types.h"

namespace jolvent {

// Interface identifiers the host asks about, in Windows GUID layout. They
// differ only in their first byte.
inline constexpr GUID PluginInterfaceId{
    0x50E47D69, 0x8922, 0x11D1, {0x9A, 0x00, 0x00, 0xC0, 0x4F, 0xCC, 0x9C, 0x26}};
inline constexpr GUID AttributeInterfaceId{
    0x50E47D67, 0x8922, 0x11D1, {0x9A, 0x00, 0x00, 0xC0, 0x4F, 0xCC, 0x9C, 0x26}};

// Component UUIDs as text; parseUuidText makes the host's records of them.
// The main component's is also the key of each joint's settings stream.
inline constexpr const char* MainComponentUuid = "7EE80734-BEB6-4c23-A233-273EBE61B210";
inline constexpr const char* AttributeComponentUuid =
    "B172CE52-398B-446a-862C-D8817C6AE356";

// All 16 bytes equal.
bool sameInterfaceId(const GUID& a, const GUID& b);

}  // namespace jolvent
