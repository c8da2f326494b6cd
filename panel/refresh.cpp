#include "panel/refresh.h"

#include "editing/edit_state.h"
#include "editing/settings_stream.h"
#include "host/host_ref.h"
#include "host/joint.h"
#include "host/scene.h"
#include "host/shape.h"
#include "math/euler.h"
#include "panel/control_ids.h"
#include "panel/joint_kind.h"
#include "panel/panel_state.h"
#include "panel/slider_fields.h"
#include "panel/slider_scale.h"
#include "panel/sliders.h"
#include "panel/value_text.h"
#include "window_system/window_system.h"

namespace jolvent {

namespace {

constexpr int kAngleControls[6] = {control::kYawBox,      control::kPitchBox,
                                   control::kRollBox,     control::kYawSlider,
                                   control::kPitchSlider, control::kRollSlider};
constexpr int kButtons[2] = {control::kResetButton, control::kUndoButton};
constexpr int kJointControls[2] = {control::kJointBox, control::kJointSlider};

template <std::size_t count>
void enable(const int (&items)[count], bool on) {
  WindowSystem& windows = windowSystem();
  HWND panel = panelState().panelWindow;
  for (int item : items) windows.enableWindow(windows.dialogItem(panel, item), on);
}

void disableEverything() {
  enable(kAngleControls, false);
  enable(kButtons, false);
  enable(kJointControls, false);
}

void refreshBallJoint(Scene& scene) {
  EditState& state = editState();
  shape_class* joint = scene.shapeByHandle(state.ballJointHandle, 0);
  auto frame = HostRef<BallJointFrame>::adopt(joint != nullptr ? joint->ballJointFrame(0)
                                                               : nullptr);
  if (!frame) {
    // The handle names nothing any more: nothing to show.
    disableEverything();
    return;
  }
  frame->jointRotation(&state.rotation, 0);
  state.undoRotation = state.rotation;
  const EulerDegrees angles = quatToEulerDegrees(state.rotation);
  state.pitch = state.appliedPitch = angles.pitch;
  state.yaw = state.appliedYaw = angles.yaw;
  state.roll = state.appliedRoll = angles.roll;
  if (!scene.isMotionMode(0)) {
    readStoredAngles(scene);
    state.appliedPitch = state.pitch;
    state.appliedYaw = state.yaw;
    state.appliedRoll = state.roll;
  }
  readStoredLimits(scene);
  markAngleLimits();
  for (Channel channel : kAngleChannels) showSliderValue(channel, JointKind::angle);
  enable(kAngleControls, true);
  enable(kButtons, true);
  enable(kJointControls, false);
}

void writeLabel(int label, float limit, JointKind kind) {
  windowSystem().setItemText(panelState().panelWindow, label,
                             labelText(boxNumber(limit, kind)).text);
}

void refreshValuedJoint(Scene& scene, JointKind kind) {
  enable(kAngleControls, false);
  HostRef<JointControl> control;
  if (isValuedJointKind(kind)) {
    shape_class* active = scene.activeShape(0, 0);
    control = HostRef<JointControl>::adopt(active != nullptr ? active->jointControl(0)
                                                             : nullptr);
  }
  if (!control) {
    enable(kButtons, false);
    enable(kJointControls, false);
    return;
  }
  AngleLimits& limits = angleLimits();
  editState().jointValue = control->value(0);
  limits.jointMin = control->min(0);
  limits.jointMax = control->max(0);
  showSliderValue(Channel::joint, kind);
  writeLabel(control::kJointMinLabel, limits.jointMin, kind);
  writeLabel(control::kJointMaxLabel, limits.jointMax, kind);
  enable(kButtons, true);
  enable(kJointControls, true);
}

}  // namespace

void refreshPanel(Scene* scene) {
  if (scene == nullptr) return;
  const JointKind kind = refreshJointKind(*scene);
  if (scene->activeShapeCount(0) != 1) {
    disableEverything();
    return;
  }
  if (editState().ballJointHandle != 0) {
    refreshBallJoint(*scene);
  } else {
    refreshValuedJoint(*scene, kind);
  }
}

}  // namespace jolvent
