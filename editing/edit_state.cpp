#include "editing/edit_state.h"

namespace jolvent {

namespace {
EditState gEditState;
AngleLimits gAngleLimits;
}  // namespace

void AngleLimits::resetAngles() {
  pitchMin = yawMin = rollMin = kAngleRangeMin;
  pitchMax = yawMax = rollMax = kAngleRangeMax;
}

EditState& editState() {
  return gEditState;
}
AngleLimits& angleLimits() {
  return gAngleLimits;
}

void resetEditingState() {
  gEditState = EditState{};
  gAngleLimits = AngleLimits{};
}

}  // namespace jolvent
