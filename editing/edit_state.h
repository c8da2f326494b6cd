// The module-wide editing state: one instance of each record, alive from
// module load to unload, touched only on the host's user-interface thread.
#pragma once

#include "host/fwd.h"
#include "math/matrix4.h"
#include "math/quaternion.h"
#include "math/vec3.h"
#include "platform/win32_types.h"

namespace jolvent {

// Slider range of each angle at load and after a reset, in degrees.
inline constexpr float kDefaultAngleMin = -360.0F;
inline constexpr float kDefaultAngleMax = 360.0F;
// Joint slider range at load, in host joint units.
inline constexpr float kDefaultJointMin = -100.0F;
inline constexpr float kDefaultJointMax = 100.0F;

// Limits of the four sliders. Nothing but the Joint Value Setting dialog
// checks min <= max; limits read from a joint's stream are taken as stored.
struct AngleLimits {
  float pitchMin = kDefaultAngleMin;
  float pitchMax = kDefaultAngleMax;
  float yawMin = kDefaultAngleMin;
  float yawMax = kDefaultAngleMax;
  float rollMin = kDefaultAngleMin;
  float rollMax = kDefaultAngleMax;
  float jointMin = kDefaultJointMin;
  float jointMax = kDefaultJointMax;

  // Back to +-360 for the three angles; the joint limits stay.
  void resetAngles();
};

// Size of lastEditText, the terminating zero included; a box takes 11 characters.
inline constexpr int kEditTextSize = 12;

struct EditState {
  // Panel and host bookkeeping.
  int panelPending = 1;  // until the first scene notice has created the panel
  HWND panelWindow = nullptr;
  HWND hostMainWindow = nullptr;
  HINSTANCE moduleInstance = nullptr;
  HostApp* hostApp = nullptr;  // borrowed, never released
  int panelVisible = 0;
  int editBracketOpen = 0;
  int panelWidth = 0;
  int panelHeight = 0;
  unsigned int rollUpTimer = 0;  // 0: not running
  char lastEditText[kEditTextSize] = {};

  // The edited joint and the re-entrance guards.
  ShapeHandle ballJointHandle = 0;  // 0: the Joint slider edits the active shape
  int activeControl = 0;            // slider used last, 1001..1004
  int tracking = 0;                 // the panel is applying its own change to the joint
  int removingGuide = 0;            // the axis guide is being deleted

  // Angles in degrees; the joint value in host units.
  float pitch = 0.0F;
  float yaw = 0.0F;
  float roll = 0.0F;
  // The part of each angle already folded into rotation.
  float appliedPitch = 0.0F;
  float appliedYaw = 0.0F;
  float appliedRoll = 0.0F;
  Quaternion rotation{0.0F, 0.0F, 0.0F, 0.0F};
  Quaternion undoRotation{0.0F, 0.0F, 0.0F, 0.0F};
  float undoPitch = 0.0F;
  float undoYaw = 0.0F;
  float undoRoll = 0.0F;
  float undoJointValue = 0.0F;
  float jointValue = 0.0F;
};

// Rotation axes of the Pitch, Yaw and Roll sliders.
inline constexpr Vec3 axisX{1.0F, 0.0F, 0.0F};
inline constexpr Vec3 axisY{0.0F, 1.0F, 0.0F};
inline constexpr Vec3 axisZ{0.0F, 0.0F, 1.0F};

// The module's single instances.
EditState& editState();
AngleLimits& angleLimits();

// Back to the values at module load; for tests and the workbench, which
// load the editing code more than once per process.
void resetEditingState();

}  // namespace jolvent
