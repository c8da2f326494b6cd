// The text form of the stream bytes the extras hold; their keys are in the
// UUID record's own text form.
#include "workbench/gltf/gltf_internal.h"

namespace jolvent::workbench::gltf {

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
