// Texts the headless model's files share for its request log and records.
#pragma once

#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <string>

namespace jolvent::headless {

// Flags, styles and access masks read as eight hexadecimal digits in the log.
inline std::string hex(std::uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08" PRIx32, value);
  return text;
}

// A null text is kept and logged as an empty one.
inline std::string orEmpty(const char* text) {
  return text == nullptr ? "" : text;
}

}  // namespace jolvent::headless
