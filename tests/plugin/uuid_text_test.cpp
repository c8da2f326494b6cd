#include "plugin/uuid_text.h"

#include <gtest/gtest.h>

#include "plugin/identifiers.h"

namespace jolvent {
namespace {

TEST(HexDigitValue, ReadsBothCasesAndGivesZeroForAnythingElse) {
  const struct {
    char c;
    unsigned value;
  } cases[] = {{'0', 0}, {'9', 9}, {'A', 10}, {'F', 15},  {'a', 10}, {'f', 15},
               {'G', 0}, {'g', 0}, {'-', 0},  {' ', 0},   {'/', 0},  {':', 0},
               {'@', 0}, {'`', 0}, {'\0', 0}, {'\xff', 0}};
  for (const auto& entry : cases) {
    EXPECT_EQ(hexDigitValue(entry.c), entry.value) << "character " << int(entry.c);
  }
}

TEST(ParseUuidText, BuildsTheFourWordsOfTheComponentUuids) {
  const struct {
    const char* text;
    UuidRecord record;
  } cases[] = {
      {MainComponentUuid, {{0x7EE80734U, 0xBEB64C23U, 0xA233273EU, 0xBE61B210U}}},
      {"7EE80734-BEB6-4C23-A233-273EBE61B210",
       {{0x7EE80734U, 0xBEB64C23U, 0xA233273EU, 0xBE61B210U}}},
      {"7ee80734-beb6-4c23-a233-273ebe61b210",
       {{0x7EE80734U, 0xBEB64C23U, 0xA233273EU, 0xBE61B210U}}},
      {AttributeComponentUuid, {{0xB172CE52U, 0x398B446AU, 0x862CD881U, 0x7C6AE356U}}},
      // The hyphen positions are never read.
      {"7EE80734xBEB6x4c23xA233x273EBE61B210",
       {{0x7EE80734U, 0xBEB64C23U, 0xA233273EU, 0xBE61B210U}}},
      // A character that is not a digit counts as 0, silently.
      {"7EE8Z734-BEB6-4c23-A233-273EBE61B21?",
       {{0x7EE80734U, 0xBEB64C23U, 0xA233273EU, 0xBE61B210U}}},
  };
  for (const auto& entry : cases) {
    const UuidRecord record = parseUuidText(entry.text);
    for (int word = 0; word < 4; ++word) {
      EXPECT_EQ(record.words[word], entry.record.words[word])
          << entry.text << " word " << word;
    }
  }
}

}  // namespace
}  // namespace jolvent
