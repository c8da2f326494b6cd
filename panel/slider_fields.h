// Which value, limits and box belong to each of the four sliders.
#pragma once

#include "editing/edit_state.h"

namespace jolvent {

struct SliderFields {
  int slider;
  int box;
  float EditState::*value;
  float AngleLimits::*lower;
  float AngleLimits::*upper;

  float& valueIn(EditState& state) const { return state.*value; }
  float lowerIn(const AngleLimits& limits) const { return limits.*lower; }
  float upperIn(const AngleLimits& limits) const { return limits.*upper; }
  bool isJoint() const;
};

// The fields of a slider (1001-1004) or of a box (1012-1015); null for any
// other id.
const SliderFields* fieldsOfSlider(int slider);
const SliderFields* fieldsOfBox(int box);

}  // namespace jolvent
