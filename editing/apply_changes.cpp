#include "editing/apply_changes.h"

#include "editing/edit_state.h"
#include "editing/settings_stream.h"
#include "host/host_app.h"
#include "host/host_ref.h"
#include "host/joint.h"
#include "host/motion.h"
#include "host/scene.h"
#include "host/shape.h"
#include "math/euler.h"

namespace jolvent {

namespace {

struct AxisChange {
  const Vec3* axis = nullptr;
  float current = 0.0F;
  float* applied = nullptr;
};

// The axis of the channel used last; none for the joint value or no channel.
AxisChange axisChangeOf(EditState& state) {
  switch (state.activeControl) {
    case Channel::pitch:
      return {&axisX, state.pitch, &state.appliedPitch};
    case Channel::yaw:
      return {&axisY, state.yaw, &state.appliedYaw};
    case Channel::roll:
      return {&axisZ, state.roll, &state.appliedRoll};
    default:
      return {};
  }
}

HostRef<JointControl> jointControlOf(shape_class& shape) {
  return HostRef<JointControl>::adopt(shape.jointControl(0));
}

}  // namespace

void applySliderChange(Scene& scene) {
  EditState& state = editState();
  if (state.ballJointHandle == 0) {
    shape_class* active = scene.activeShape(0, 0);
    if (active == nullptr) return;
    HostRef<JointControl> control = jointControlOf(*active);
    if (control) control->setValue(state.jointValue, 0);
    return;
  }

  shape_class* joint = scene.shapeByHandle(state.ballJointHandle, 0);
  if (joint == nullptr) return;

  const AxisChange change = axisChangeOf(state);
  const float applied = change.applied != nullptr ? *change.applied : 0.0F;
  state.rotation = applyAxisDelta(state.rotation, change.axis, change.current, applied);
  if (change.applied != nullptr) *change.applied = change.current;

  HostRef<JointControl> control = jointControlOf(*joint);
  if (control) control->setRotation(&state.rotation, 0);
  storeAngles(scene);
}

void recordMotionKey(Scene& scene) {
  const EditState& state = editState();
  auto container = HostRef<MotionContainer>::adopt(scene.motionContainer(0, 0));
  if (!container) return;
  auto motion = HostRef<Motion>::adopt(container->activeMotion(0));
  if (!motion || state.hostApp == nullptr || !state.hostApp->isRecordingMotion(0) ||
      !motion->motionEnabled(0)) {
    return;
  }

  const float position = motion->currentPosition(0);
  const int keys = motion->keyCount(0);
  for (int key = 0; key < keys; ++key) {
    const float keyPosition = motion->keyPosition(key, 0);
    if (position < keyPosition) break;
    // Only a key at exactly this position is the current one.
    if (keyPosition == position) {
      if (state.ballJointHandle != 0) {
        motion->setKeyRotation(key, &state.rotation, 0);
      } else {
        motion->setKeyValue(key, state.jointValue, 0);
      }
      return;
    }
  }
  motion->addKey(position, 0);
}

void pushJointRange(Scene& scene) {
  shape_class* active = scene.activeShape(0, 0);
  if (active == nullptr) return;
  HostRef<JointControl> control = jointControlOf(*active);
  if (!control) return;
  const AngleLimits& limits = angleLimits();
  control->setMin(limits.jointMin, 0);
  control->setMax(limits.jointMax, 0);
}

}  // namespace jolvent
