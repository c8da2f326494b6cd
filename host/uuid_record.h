// The 16-byte identifier the host uses for components and data-stream keys.
// Four 32-bit words, not the Windows GUID byte layout.
#pragma once

#include <cstddef>
#include <cstdint>

namespace jolvent {

struct UuidRecord {
  std::uint32_t words[4] = {};

  friend bool operator==(const UuidRecord&, const UuidRecord&) = default;
};

static_assert(sizeof(UuidRecord) == 16);
static_assert(offsetof(UuidRecord, words) == 0);

}  // namespace jolvent
