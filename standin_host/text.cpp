#include "standin_host/text.h"

#include <charconv>
#include <cstdio>

namespace jolvent::standin {

std::string formatNumber(float value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string concat(std::initializer_list<std::string_view> pieces) {
  std::string text;
  for (std::string_view piece : pieces) text += piece;
  return text;
}

std::string formatVec3(const Vec3& v) {
  return formatNumber(v.x) + " " + formatNumber(v.y) + " " + formatNumber(v.z);
}

std::string formatQuaternion(const Quaternion& q) {
  return formatNumber(q.w) + " " + formatNumber(q.x) + " " + formatNumber(q.y) + " " +
         formatNumber(q.z);
}

std::string formatUuid(const UuidRecord& uuid) {
  return std::string(uuidText(uuid).view());
}

}  // namespace jolvent::standin
