#include "plugin/uuid_text.h"

namespace jolvent {

unsigned hexDigitValue(char c) {
  if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
  if (c >= 'A' && c <= 'F') return static_cast<unsigned>(c - 'A' + 10);
  if (c >= 'a' && c <= 'f') return static_cast<unsigned>(c - 'a' + 10);
  return 0;
}

namespace {
std::uint32_t readDigits(const char* text, int first, int count, std::uint32_t word) {
  for (int i = first; i < first + count; ++i) word = (word << 4) + hexDigitValue(text[i]);
  return word;
}
}  // namespace

UuidRecord parseUuidText(const char* text) {
  UuidRecord record;
  record.words[0] = readDigits(text, 0, 8, 0);
  record.words[1] = readDigits(text, 14, 4, readDigits(text, 9, 4, 0));
  record.words[2] = readDigits(text, 24, 4, readDigits(text, 19, 4, 0));
  record.words[3] = readDigits(text, 28, 8, 0);
  return record;
}

}  // namespace jolvent
