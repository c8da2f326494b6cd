#include "plugin/identifiers.h"

#include <cstring>

namespace jolvent {

static_assert(sizeof(GUID) == 16);

bool sameInterfaceId(const GUID& a, const GUID& b) {
  return std::memcmp(&a, &b, sizeof(GUID)) == 0;
}

}  // namespace jolvent
