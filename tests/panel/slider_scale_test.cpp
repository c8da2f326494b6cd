#include "panel/slider_scale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "panel/joint_kind.h"

namespace jolvent {
namespace {

TEST(SliderScale, EachKindShowsItsValueAsWritten) {
  const struct {
    JointKind kind;
    float value;
    float box;
    int units;
  } cases[] = {
      {JointKind::rotator, 0.5F, 90.0F, 50},     {JointKind::angle, 12.75F, 12.75F, 12},
      {JointKind::angle, -12.75F, -12.75F, -12}, {JointKind::wholeUnit, 7.9F, 7.9F, 7},
      {jointKindOf(3), 0.257F, 0.257F, 25},      {jointKindOf(9), -0.999F, -0.999F, -99},
      {JointKind::none, 1.0F, 1.0F, 100},
  };
  for (const auto& entry : cases) {
    SCOPED_TRACE(testing::Message()
                 << "kind " << static_cast<int>(entry.kind) << " value " << entry.value);
    EXPECT_EQ(boxNumber(entry.value, entry.kind), entry.box);
    EXPECT_EQ(valueOfBoxNumber(entry.box, entry.kind), entry.value);
    EXPECT_EQ(sliderUnits(entry.value, entry.kind), entry.units);
  }
  EXPECT_EQ(valueOfSliderUnits(-45, JointKind::angle), -45.0F);
  EXPECT_EQ(valueOfSliderUnits(7, JointKind::wholeUnit), 7.0F);
  EXPECT_EQ(valueOfSliderUnits(25, JointKind::rotator), 0.25F);
  EXPECT_EQ(valueOfSliderUnits(-150, jointKindOf(4)), -1.5F);
}

TEST(SliderScale, AnglesRangeOverAWholeTurnAndTheOtherKindsOverTheirLimits) {
  const struct {
    JointKind kind;
    float lower, upper;
    int minimum, maximum;
  } cases[] = {
      {JointKind::angle, -0.5F, 0.5F, -360, 360},
      {JointKind::rotator, -1.0F, 1.0F, -100, 100},
      {JointKind::wholeUnit, 0.0F, 10.9F, 0, 10},
      {jointKindOf(4), -500.0F, 500.0F, -50000, 50000},
  };
  for (const auto& entry : cases) {
    const SliderRange range = sliderRange(entry.lower, entry.upper, entry.kind);
    EXPECT_EQ(range.minimum, entry.minimum) << static_cast<int>(entry.kind);
    EXPECT_EQ(range.maximum, entry.maximum) << static_cast<int>(entry.kind);
  }
}

TEST(SliderScale, NumbersBeyondTheIntRangeAreHeldThereAndANaNIsZero) {
  EXPECT_EQ(truncateToInt(3e9F), std::numeric_limits<int>::max());
  EXPECT_EQ(truncateToInt(-3e9F), std::numeric_limits<int>::min());
  EXPECT_EQ(truncateToInt(std::numeric_limits<float>::infinity()),
            std::numeric_limits<int>::max());
  EXPECT_EQ(truncateToInt(std::nanf("")), 0);
  EXPECT_EQ(truncateToInt(2147483520.0F), 2147483520);
  EXPECT_EQ(sliderUnits(1e30F, jointKindOf(3)), std::numeric_limits<int>::max());
}

TEST(JointKind, ValuedKindsAreTwoToNineAndThirteen) {
  for (int kind = -2; kind <= 15; ++kind) {
    EXPECT_EQ(isValuedJointKind(jointKindOf(kind)),
              (kind >= 2 && kind <= 9) || kind == 13)
        << kind;
  }
}

}  // namespace
}  // namespace jolvent
