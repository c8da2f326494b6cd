#include "panel/slider_scale.h"

#include <cmath>
#include <limits>

#include "panel/joint_kind.h"

namespace jolvent {

namespace {
constexpr float kRotatorFactor = 180.0F;
constexpr float kHundredths = 100.0F;

bool inHundredths(int kind) {
  return kind != kAngleKind && kind != kWholeUnitKind;
}
}  // namespace

float boxNumber(float value, int kind) {
  return kind == kRotatorKind ? value * kRotatorFactor : value;
}

float valueOfBoxNumber(float number, int kind) {
  return kind == kRotatorKind ? number / kRotatorFactor : number;
}

int truncateToInt(float value) {
  if (std::isnan(value)) return 0;
  // 2^31 is exactly representable; every float below it converts safely.
  constexpr float kLimit = 2147483648.0F;
  if (value >= kLimit) return std::numeric_limits<int>::max();
  if (value < -kLimit) return std::numeric_limits<int>::min();
  return static_cast<int>(value);
}

int sliderUnits(float value, int kind) {
  return truncateToInt(inHundredths(kind) ? value * kHundredths : value);
}

float valueOfSliderUnits(int position, int kind) {
  const auto units = static_cast<float>(position);
  return inHundredths(kind) ? units / kHundredths : units;
}

}  // namespace jolvent
