// What a host and a plug-in module agree on at the module's edge: the two
// interface identifiers, the module record and the seven exported functions.
// [plug-in implements the exports, host looks them up by name and calls them]
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "host/fwd.h"
#include "host/uuid_record.h"
#include "platform/win32_types.h"

namespace jolvent {

class unknown_interface;

// Interface identifiers the host asks about, in Windows GUID layout. They
// differ only in their first byte.
inline constexpr GUID PluginInterfaceId{
    0x50E47D69, 0x8922, 0x11D1, {0x9A, 0x00, 0x00, 0xC0, 0x4F, 0xCC, 0x9C, 0x26}};
inline constexpr GUID AttributeInterfaceId{
    0x50E47D67, 0x8922, 0x11D1, {0x9A, 0x00, 0x00, 0xC0, 0x4F, 0xCC, 0x9C, 0x26}};

static_assert(sizeof(GUID) == 16);

// An identifier matches when all 16 bytes are equal.
inline bool sameInterfaceId(const GUID& a, const GUID& b) {
  return std::memcmp(&a, &b, sizeof(GUID)) == 0;
}

// The record get_info fills in place. The first field is the host's: the
// module never writes it. The texts are the module's, static, in the code
// page get_text_encoding names.
struct ModuleInfo {
  std::uint32_t hostField;
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

// The seven exported functions: plain C functions with undecorated names.
// id names an interface; index picks one of several components offered for it.
namespace exports {
// The number of components offered for id.
using has_interface = int(const GUID* id);
// The component's display name (code page 932), or null.
using get_name = const char*(const GUID* id, int index, HostApp* app);
// The component's UUID record, or all zero.
using get_uuid = UuidRecord(const GUID* id, int index);
// Writes a new component, holding the one reference the host owns, to *out;
// leaves *out as it was when none is served.
using create_interface = void(const GUID* id, int index, unknown_interface** out);
using is_resident = bool(const GUID* id, int index);
using get_info = void(ModuleInfo* info);
// The code page of every text the module hands over.
using get_text_encoding = int();
}  // namespace exports

// The seven exports as a host resolves them, each by its name.
struct PluginExports {
  exports::has_interface* has_interface = nullptr;
  exports::get_name* get_name = nullptr;
  exports::get_uuid* get_uuid = nullptr;
  exports::create_interface* create_interface = nullptr;
  exports::is_resident* is_resident = nullptr;
  exports::get_info* get_info = nullptr;
  exports::get_text_encoding* get_text_encoding = nullptr;
};

}  // namespace jolvent
