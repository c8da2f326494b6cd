// Which value, limits, slider and box belong to each channel.
#pragma once

#include "editing/edit_state.h"
#include "panel/joint_kind.h"

namespace jolvent {

struct SliderFields {
  Channel channel;
  int slider;
  int box;
  float EditState::*value;
  float AngleLimits::*lower;
  float AngleLimits::*upper;

  float& valueIn(EditState& state) const { return state.*value; }
  float lowerIn(const AngleLimits& limits) const { return limits.*lower; }
  float upperIn(const AngleLimits& limits) const { return limits.*upper; }
  bool isJoint() const { return channel == Channel::joint; }
  // The kind the channel is shown with: the angles always as angles.
  JointKind shownKind(JointKind jointKind) const {
    return isJoint() ? jointKind : JointKind::angle;
  }
};

// The three angle channels in the order the panel shows them.
inline constexpr Channel kAngleChannels[3] = {Channel::pitch, Channel::yaw,
                                              Channel::roll};

// The fields of a channel, of a slider (1001-1004) or of a box (1012-1015);
// null for none and any other id.
const SliderFields* fieldsOf(Channel channel);
const SliderFields* fieldsOfSlider(int slider);
const SliderFields* fieldsOfBox(int box);

}  // namespace jolvent
