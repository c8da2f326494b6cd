// A value in a slider and its box, by joint kind (the scales: joint_kind.h).
// Slider numbers are truncated towards zero.
#pragma once

#include "panel/joint_kind.h"

namespace jolvent {

// The number a box shows for value.
float boxNumber(float value, JointKind kind);
// The value a box's number stands for (the inverse of boxNumber).
float valueOfBoxNumber(float number, JointKind kind);

// value in slider units, truncated towards zero; held within the int range
// (a NaN gives 0) so that no float converts out of range.
int sliderUnits(float value, JointKind kind);
// The value a slider position stands for.
float valueOfSliderUnits(int position, JointKind kind);

// A slider's range in slider units.
struct SliderRange {
  int minimum;
  int maximum;
};

// The range a slider of kind shows for the limits lower..upper: a whole turn
// either way for the angles, the limits in slider units for the others.
SliderRange sliderRange(float lower, float upper, JointKind kind);

// Truncation towards zero, held within the int range; a NaN gives 0.
int truncateToInt(float value);

}  // namespace jolvent
