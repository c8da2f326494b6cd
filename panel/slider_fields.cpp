#include "panel/slider_fields.h"

#include "panel/control_ids.h"

namespace jolvent {

namespace {
constexpr SliderFields kFields[] = {
    {Channel::pitch, control::kPitchSlider, control::kPitchBox, &EditState::pitch,
     &AngleLimits::pitchMin, &AngleLimits::pitchMax},
    {Channel::yaw, control::kYawSlider, control::kYawBox, &EditState::yaw,
     &AngleLimits::yawMin, &AngleLimits::yawMax},
    {Channel::roll, control::kRollSlider, control::kRollBox, &EditState::roll,
     &AngleLimits::rollMin, &AngleLimits::rollMax},
    {Channel::joint, control::kJointSlider, control::kJointBox, &EditState::jointValue,
     &AngleLimits::jointMin, &AngleLimits::jointMax},
};

template <class Matches>
const SliderFields* find(Matches matches) {
  for (const SliderFields& fields : kFields) {
    if (matches(fields)) return &fields;
  }
  return nullptr;
}
}  // namespace

const SliderFields* fieldsOf(Channel channel) {
  return find(
      [channel](const SliderFields& fields) { return fields.channel == channel; });
}

const SliderFields* fieldsOfSlider(int slider) {
  return find([slider](const SliderFields& fields) { return fields.slider == slider; });
}

const SliderFields* fieldsOfBox(int box) {
  return find([box](const SliderFields& fields) { return fields.box == box; });
}

}  // namespace jolvent
