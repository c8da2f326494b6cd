// The editing model: the edited joint, its angles and rotation, the slider
// limits and the host application. One instance of each record, alive from
// module load to unload, touched only on the host's user-interface thread.
// The panel's own window state is panel/panel_state.h.
#pragma once

#include "host/fwd.h"
#include "math/quaternion.h"
#include "math/vec3.h"

namespace jolvent {

// Every angle stays within one turn either way, in degrees: the range of the
// angle sliders, their limits at load and after a reset, and the widest
// numbers the Joint Value Setting dialog takes.
inline constexpr float kAngleRangeMin = -360.0F;
inline constexpr float kAngleRangeMax = 360.0F;
// The Joint slider's limits at load, in host joint units.
inline constexpr float kDefaultJointMin = -100.0F;
inline constexpr float kDefaultJointMax = 100.0F;

// The four values the panel's sliders edit: three angles of a ball joint and
// the value of a single-valued joint.
enum class Channel { none, pitch, yaw, roll, joint };

// Limits of the four channels. Nothing but the Joint Value Setting dialog
// checks min <= max; limits read from a joint's stream are taken as stored.
struct AngleLimits {
  float pitchMin = kAngleRangeMin;
  float pitchMax = kAngleRangeMax;
  float yawMin = kAngleRangeMin;
  float yawMax = kAngleRangeMax;
  float rollMin = kAngleRangeMin;
  float rollMax = kAngleRangeMax;
  float jointMin = kDefaultJointMin;
  float jointMax = kDefaultJointMax;

  // Back to a whole turn either way for the three angles; the joint limits stay.
  void resetAngles();
};

struct EditState {
  HostApp* hostApp = nullptr;    // borrowed, never released
  bool editBracketOpen = false;  // the command opened the host's edit bracket

  // The edited joint and the re-entrance guard of the guide.
  ShapeHandle ballJointHandle = 0;        // 0: the Joint channel edits the active shape
  Channel activeControl = Channel::none;  // the channel used last
  bool removingGuide = false;             // the axis guide is being deleted

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

// Rotation axes of the Pitch, Yaw and Roll channels.
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
