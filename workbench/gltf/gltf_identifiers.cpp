// The text forms of what the extras hold: stream keys and their bytes.
#include "workbench/gltf/gltf_internal.h"

#include <cstdio>

namespace jolvent::workbench::gltf {

std::string uuidText(const UuidRecord& record) {
  char text[40];
  std::snprintf(text, sizeof text, "%08X-%04X-%04X-%04X-%04X%08X", record.words[0],
                record.words[1] >> 16, record.words[1] & 0xFFFFU, record.words[2] >> 16,
                record.words[2] & 0xFFFFU, record.words[3]);
  return text;
}

bool isUuidText(const std::string& text) {
  if (text.size() != 36) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const bool hyphen = i == 8 || i == 13 || i == 18 || i == 23;
    const bool hex =
        (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
    if (hyphen ? c != '-' : !hex) return false;
  }
  return true;
}

bool isBase64(const std::string& text) {
  if (text.size() % 4 != 0) return false;
  std::size_t padding = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '=') {
      ++padding;
      continue;
    }
    const bool digit = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                       (c >= '0' && c <= '9') || c == '+' || c == '/';
    if (!digit || padding != 0) return false;
  }
  return padding <= 2;
}

}  // namespace jolvent::workbench::gltf
