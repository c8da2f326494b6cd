// The 16-byte identifier the host uses for components and data-stream keys:
// four 32-bit words, not the Windows GUID byte layout.
//
// Its one text form is the usual 36 characters,
// "7EE80734-BEB6-4C23-A233-273EBE61B210": word 0 is the first group, word 1
// the second and third, word 2 the fourth and the first four digits of the
// fifth, word 3 the last eight.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace jolvent {

struct UuidRecord {
  std::uint32_t words[4] = {};

  friend bool operator==(const UuidRecord&, const UuidRecord&) = default;
};

static_assert(sizeof(UuidRecord) == 16);
static_assert(offsetof(UuidRecord, words) == 0);

// Characters of the text form, without a terminating zero.
inline constexpr std::size_t kUuidTextLength = 36;

// 0-15 for a hexadecimal digit of either case; any other character gives 0.
constexpr unsigned hexDigitValue(char c) {
  if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
  if (c >= 'A' && c <= 'F') return static_cast<unsigned>(c - 'A' + 10);
  if (c >= 'a' && c <= 'f') return static_cast<unsigned>(c - 'a' + 10);
  return 0;
}

namespace detail {
constexpr std::uint32_t readUuidDigits(const char* text, int first, int count,
                                       std::uint32_t word) {
  for (int i = first; i < first + count; ++i) word = (word << 4) + hexDigitValue(text[i]);
  return word;
}
constexpr bool isUuidHyphenPosition(std::size_t i) {
  return i == 8 || i == 13 || i == 18 || i == 23;
}
}  // namespace detail

// Reads text in the text form, digits of either case. The hyphens are not read
// and nothing is checked (isUuidText does): a character that is no digit
// counts as 0.
constexpr UuidRecord parseUuidText(const char* text) {
  UuidRecord record;
  record.words[0] = detail::readUuidDigits(text, 0, 8, 0);
  record.words[1] =
      detail::readUuidDigits(text, 14, 4, detail::readUuidDigits(text, 9, 4, 0));
  record.words[2] =
      detail::readUuidDigits(text, 24, 4, detail::readUuidDigits(text, 19, 4, 0));
  record.words[3] = detail::readUuidDigits(text, 28, 8, 0);
  return record;
}

// 36 characters with the hyphens in their places and hexadecimal digits of
// either case everywhere else.
constexpr bool isUuidText(std::string_view text) {
  if (text.size() != kUuidTextLength) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (detail::isUuidHyphenPosition(i) ? c != '-' : hexDigitValue(c) == 0 && c != '0') {
      return false;
    }
  }
  return true;
}

// The text form of a record, upper-case, terminated.
struct UuidText {
  char text[kUuidTextLength + 1] = {};

  constexpr std::string_view view() const { return {text, kUuidTextLength}; }
};

constexpr UuidText uuidText(const UuidRecord& record) {
  constexpr char kDigits[] = "0123456789ABCDEF";
  UuidText result;
  std::size_t at = 0;
  for (std::uint32_t word : record.words) {
    for (int shift = 28; shift >= 0; shift -= 4) {
      if (detail::isUuidHyphenPosition(at)) result.text[at++] = '-';
      result.text[at++] = kDigits[(word >> shift) & 0xFU];
    }
  }
  return result;
}

}  // namespace jolvent
