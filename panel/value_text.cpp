#include "panel/value_text.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace jolvent {

NumberText boxText(float value) {
  NumberText result;
  std::snprintf(result.text, sizeof result.text, "%6f", static_cast<double>(value));
  return result;
}

NumberText labelText(float value) {
  NumberText result;
  std::snprintf(result.text, sizeof result.text, "%1.2f", static_cast<double>(value));
  return result;
}

bool isNumberText(const char* text) {
  if (text == nullptr || text[0] == '\0') return false;
  if (std::strchr("0123456789-", text[0]) == nullptr) return false;
  for (const char* at = text + 1; *at != '\0'; ++at) {
    if (std::strchr("0123456789.", *at) == nullptr) return false;
  }
  return true;
}

float numberOfText(const char* text) {
  return static_cast<float>(std::atof(text));
}

}  // namespace jolvent
