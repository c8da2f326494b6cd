#include "panel/value_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace jolvent {
namespace {

TEST(ValueText, BoxesShowSixDecimalsAndLabelsTwo) {
  const struct {
    float value;
    const char* box;
    const char* label;
  } cases[] = {
      {12.5F, "12.500000", "12.50"},
      {0.0F, "0.000000", "0.00"},
      {-0.0F, "-0.000000", "-0.00"},
      {-180.0F, "-180.000000", "-180.00"},
      {0.1F, "0.100000", "0.10"},
      {1e30F, "1000000015047466219876688855040.000000",
       "1000000015047466219876688855040.00"},
  };
  for (const auto& entry : cases) {
    EXPECT_STREQ(boxText(entry.value).text, entry.box);
    EXPECT_STREQ(labelText(entry.value).text, entry.label);
  }
  // The widest float still fits the buffer.
  EXPECT_EQ(std::string(boxText(-std::numeric_limits<float>::max()).text).size(), 47U);
}

TEST(ValueText, ANumberStartsWithADigitOrMinusAndGoesOnWithDigitsAndPoints) {
  const struct {
    const char* text;
    bool number;
    float value;
  } cases[] = {
      {"200", true, 200.0F},
      {"-", true, 0.0F},
      {"1.2.3", true, 1.2F},
      {"-.5", true, -0.5F},
      {"0012", true, 12.0F},
      {"90.", true, 90.0F},
      {"", false, 0},
      {"a", false, 0},
      {"+5", false, 0},
      {".5", false, 0},
      {" 5", false, 0},
      {"5 ", false, 0},
      {"1e3", false, 0},
      {"--1", false, 0},
      {"1-2", false, 0},
      // Code page 932 digits are not digits.
      {"\x82\x4f", false, 0},
  };
  for (const auto& entry : cases) {
    SCOPED_TRACE(entry.text);
    EXPECT_EQ(isNumberText(entry.text), entry.number);
    if (entry.number) {
      EXPECT_EQ(numberOfText(entry.text), entry.value);
    }
  }
  EXPECT_FALSE(isNumberText(nullptr));
}

}  // namespace
}  // namespace jolvent
