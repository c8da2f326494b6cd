#include "panel/slider_scale.h"

#include <cmath>
#include <limits>

#include "editing/edit_state.h"

namespace jolvent {

float boxNumber(float value, JointKind kind) {
  return value * scaleOf(kind).boxFactor;
}

float valueOfBoxNumber(float number, JointKind kind) {
  return number / scaleOf(kind).boxFactor;
}

int truncateToInt(float value) {
  if (std::isnan(value)) return 0;
  // 2^31 is exactly representable; every float below it converts safely.
  constexpr float kLimit = 2147483648.0F;
  if (value >= kLimit) return std::numeric_limits<int>::max();
  if (value < -kLimit) return std::numeric_limits<int>::min();
  return static_cast<int>(value);
}

int sliderUnits(float value, JointKind kind) {
  return truncateToInt(value * scaleOf(kind).sliderFactor);
}

float valueOfSliderUnits(int position, JointKind kind) {
  return static_cast<float>(position) / scaleOf(kind).sliderFactor;
}

SliderRange sliderRange(float lower, float upper, JointKind kind) {
  if (scaleOf(kind).wholeTurn)
    return {truncateToInt(kAngleRangeMin), truncateToInt(kAngleRangeMax)};
  return {sliderUnits(lower, kind), sliderUnits(upper, kind)};
}

}  // namespace jolvent
