#include "host/uuid_record.h"

#include <gtest/gtest.h>

#include <string>

namespace jolvent {
namespace {

constexpr UuidRecord kMain{{0x7EE80734U, 0xBEB64C23U, 0xA233273EU, 0xBE61B210U}};

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
      {"7EE80734-BEB6-4c23-A233-273EBE61B210", kMain},
      {"7EE80734-BEB6-4C23-A233-273EBE61B210", kMain},
      {"7ee80734-beb6-4c23-a233-273ebe61b210", kMain},
      {"B172CE52-398B-446a-862C-D8817C6AE356",
       {{0xB172CE52U, 0x398B446AU, 0x862CD881U, 0x7C6AE356U}}},
      // The hyphen positions are never read.
      {"7EE80734xBEB6x4c23xA233x273EBE61B210", kMain},
      // A character that is not a digit counts as 0, silently.
      {"7EE8Z734-BEB6-4c23-A233-273EBE61B21?", kMain},
  };
  for (const auto& entry : cases) {
    const UuidRecord record = parseUuidText(entry.text);
    for (int word = 0; word < 4; ++word) {
      EXPECT_EQ(record.words[word], entry.record.words[word])
          << entry.text << " word " << word;
    }
  }
}

TEST(ParseUuidText, RunsWhileCompiling) {
  static_assert(parseUuidText("7EE80734-BEB6-4c23-A233-273EBE61B210") == kMain);
}

TEST(UuidText, IsTheUpperCaseTextThatParsesBackToTheRecord) {
  const struct {
    UuidRecord record;
    const char* text;
  } cases[] = {
      {kMain, "7EE80734-BEB6-4C23-A233-273EBE61B210"},
      {{{0x00000000U, 0x53B811D9U, 0xBCFF000AU, 0x95BACEB2U}},
       "00000000-53B8-11D9-BCFF-000A95BACEB2"},
      {{}, "00000000-0000-0000-0000-000000000000"},
      {{{0xFFFFFFFFU, 0xFFFFFFFFU, 0xFFFFFFFFU, 0xFFFFFFFFU}},
       "FFFFFFFF-FFFF-FFFF-FFFF-FFFFFFFFFFFF"},
  };
  for (const auto& entry : cases) {
    const UuidText text = uuidText(entry.record);
    EXPECT_EQ(std::string(text.text), entry.text);
    EXPECT_EQ(text.view(), entry.text);
    EXPECT_EQ(parseUuidText(text.text), entry.record) << entry.text;
  }
  static_assert(uuidText(kMain).view() == "7EE80734-BEB6-4C23-A233-273EBE61B210");
}

TEST(IsUuidText, TakesThirtySixCharactersWithTheHyphensInPlace) {
  const struct {
    const char* text;
    bool isUuid;
  } cases[] = {
      {"7EE80734-BEB6-4c23-A233-273EBE61B210", true},
      {"00000000-0000-0000-0000-000000000000", true},
      {"7ee80734-beb6-4c23-a233-273ebe61b210", true},
      {"7EE80734-BEB6-4c23-A233-273EBE61B21", false},    // one short
      {"7EE80734-BEB6-4c23-A233-273EBE61B2100", false},  // one long
      {"7EE80734xBEB6-4c23-A233-273EBE61B210", false},   // no hyphen at 8
      {"7EE80734-BEB6-4c23-A233-273EBE61B21G", false},   // no digit
      {"7EE80734-BEB6-4c23-A233-273EBE61-210", false},   // a hyphen for a digit
      {"", false},
  };
  for (const auto& entry : cases)
    EXPECT_EQ(isUuidText(entry.text), entry.isUuid) << entry.text;
}

}  // namespace
}  // namespace jolvent
