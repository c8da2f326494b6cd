// How numbers and records are written in the journal and in listings.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "host/uuid_record.h"
#include "math/quaternion.h"
#include "math/vec3.h"

namespace jolvent::standin {

// Shortest text that reads back to the same float: "10", "0.5", "-0".
std::string formatNumber(float value);
// The pieces run together. Used instead of "text" + string chains, which
// GCC 12 misreads as overlapping copies (-Wrestrict) when optimising.
std::string concat(std::initializer_list<std::string_view> pieces);
// "x y z".
std::string formatVec3(const Vec3& v);
// "w x y z".
std::string formatQuaternion(const Quaternion& q);
// The record's text form, as a string: "7EE80734-BEB6-4C23-A233-273EBE61B210".
std::string formatUuid(const UuidRecord& uuid);

}  // namespace jolvent::standin
