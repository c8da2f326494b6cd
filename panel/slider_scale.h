// How a value is shown in a slider and its box, by joint kind:
//
//   kind  box text       slider range     slider position
//   2     value x 180    limits x 100     value x 100
//   10    value          -360..360        value
//   13    value          limits           value
//   other value          limits x 100     value x 100
//
// Slider numbers are truncated towards zero.
#pragma once

namespace jolvent {

// The number a box shows for value.
float boxNumber(float value, int kind);
// The value a box's number stands for (the inverse of boxNumber).
float valueOfBoxNumber(float number, int kind);

// value in slider units, truncated towards zero; held within the int range
// (a NaN gives 0) so that no float converts out of range.
int sliderUnits(float value, int kind);
// The value a slider position stands for.
float valueOfSliderUnits(int position, int kind);

// The angle sliders' fixed range, in degrees.
inline constexpr int kAngleSliderMin = -360;
inline constexpr int kAngleSliderMax = 360;

// Truncation towards zero, held within the int range; a NaN gives 0.
int truncateToInt(float value);

}  // namespace jolvent
