#include "panel/slider_fields.h"

#include "editing/control_ids.h"

namespace jolvent {

namespace {
constexpr SliderFields kFields[] = {
    {control::kPitchSlider, control::kPitchBox, &EditState::pitch, &AngleLimits::pitchMin,
     &AngleLimits::pitchMax},
    {control::kYawSlider, control::kYawBox, &EditState::yaw, &AngleLimits::yawMin,
     &AngleLimits::yawMax},
    {control::kRollSlider, control::kRollBox, &EditState::roll, &AngleLimits::rollMin,
     &AngleLimits::rollMax},
    {control::kJointSlider, control::kJointBox, &EditState::jointValue,
     &AngleLimits::jointMin, &AngleLimits::jointMax},
};
}  // namespace

bool SliderFields::isJoint() const {
  return slider == control::kJointSlider;
}

const SliderFields* fieldsOfSlider(int slider) {
  for (const SliderFields& fields : kFields) {
    if (fields.slider == slider) return &fields;
  }
  return nullptr;
}

const SliderFields* fieldsOfBox(int box) {
  for (const SliderFields& fields : kFields) {
    if (fields.box == box) return &fields;
  }
  return nullptr;
}

}  // namespace jolvent
