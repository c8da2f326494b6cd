#include "panel/slider_scale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "panel/joint_kind.h"

namespace jolvent {
namespace {

TEST(SliderScale, EachKindShowsItsValueAsWritten) {
  const struct {
    int kind;
    float value;
    float box;
    int units;
  } cases[] = {
      {kRotatorKind, 0.5F, 90.0F, 50},
      {kAngleKind, 12.75F, 12.75F, 12},
      {kAngleKind, -12.75F, -12.75F, -12},
      {kWholeUnitKind, 7.9F, 7.9F, 7},
      {3, 0.257F, 0.257F, 25},
      {9, -0.999F, -0.999F, -99},
      {kNoJointKind, 1.0F, 1.0F, 100},
  };
  for (const auto& entry : cases) {
    SCOPED_TRACE(testing::Message() << "kind " << entry.kind << " value " << entry.value);
    EXPECT_EQ(boxNumber(entry.value, entry.kind), entry.box);
    EXPECT_EQ(valueOfBoxNumber(entry.box, entry.kind), entry.value);
    EXPECT_EQ(sliderUnits(entry.value, entry.kind), entry.units);
  }
  EXPECT_EQ(valueOfSliderUnits(-45, kAngleKind), -45.0F);
  EXPECT_EQ(valueOfSliderUnits(7, kWholeUnitKind), 7.0F);
  EXPECT_EQ(valueOfSliderUnits(25, kRotatorKind), 0.25F);
  EXPECT_EQ(valueOfSliderUnits(-150, 4), -1.5F);
}

TEST(SliderScale, NumbersBeyondTheIntRangeAreHeldThereAndANaNIsZero) {
  EXPECT_EQ(truncateToInt(3e9F), std::numeric_limits<int>::max());
  EXPECT_EQ(truncateToInt(-3e9F), std::numeric_limits<int>::min());
  EXPECT_EQ(truncateToInt(std::numeric_limits<float>::infinity()),
            std::numeric_limits<int>::max());
  EXPECT_EQ(truncateToInt(std::nanf("")), 0);
  EXPECT_EQ(truncateToInt(2147483520.0F), 2147483520);
  EXPECT_EQ(sliderUnits(1e30F, 3), std::numeric_limits<int>::max());
}

TEST(JointKind, ValuedKindsAreTwoToNineAndThirteen) {
  for (int kind = -2; kind <= 15; ++kind) {
    EXPECT_EQ(isValuedJointKind(kind), (kind >= 2 && kind <= 9) || kind == 13) << kind;
  }
}

}  // namespace
}  // namespace jolvent
