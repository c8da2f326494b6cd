#include "panel/sliders.h"

#include <cstdint>

#include "editing/apply_changes.h"
#include "editing/control_ids.h"
#include "editing/edit_state.h"
#include "panel/joint_kind.h"
#include "panel/joint_value_dialog.h"
#include "panel/slider_fields.h"
#include "panel/slider_scale.h"
#include "panel/value_text.h"
#include "window_system/trackbar.h"
#include "window_system/window_system.h"

namespace jolvent {

namespace {

// Texts are read back with room for 11 characters.
constexpr int kReadTextSize = kEditTextSize;

// The kind a slider is shown with: the angles always as angles.
int kindOf(const SliderFields& fields, int jointKind) {
  return fields.isJoint() ? jointKind : kAngleKind;
}

// Raised while a commit rewrites the box with the limit it held the number
// at. The box then notifies EN_CHANGE with the focus on it, which would commit
// the same number again inside this commit: the commit applies it itself.
bool gRewritingHeldNumber = false;

class RewritingHeldNumber {
public:
  RewritingHeldNumber() { gRewritingHeldNumber = true; }
  ~RewritingHeldNumber() { gRewritingHeldNumber = false; }
  RewritingHeldNumber(const RewritingHeldNumber&) = delete;
  RewritingHeldNumber& operator=(const RewritingHeldNumber&) = delete;
};

// tracking for the life of a typed commit, cleared on every path.
class TrackingScope {
public:
  TrackingScope() { editState().tracking = 1; }
  ~TrackingScope() { editState().tracking = 0; }
  TrackingScope(const TrackingScope&) = delete;
  TrackingScope& operator=(const TrackingScope&) = delete;
};

void setBoxNumber(int box, float number) {
  windowSystem().setItemText(editState().panelWindow, box, boxText(number).text);
}

void setSliderPosition(int slider, int position) {
  windowSystem().sendItemMessage(editState().panelWindow, slider, TBM_SETPOS, kRedraw,
                                 position);
}

bool boxHasFocus(int box) {
  WindowSystem& windows = windowSystem();
  HWND control = windows.dialogItem(editState().panelWindow, box);
  return control != nullptr && windows.focusedWindow() == control;
}

void copyBoxText(int box, char* text) {
  windowSystem().itemText(editState().panelWindow, box, text, kReadTextSize);
}

// A drag or page step: the slider's position, held within its limits.
void followSlider(const SliderFields& fields, Scene* scene, int kind) {
  EditState& state = editState();
  const AngleLimits& limits = angleLimits();
  state.tracking = 1;
  const auto position = static_cast<std::int16_t>(
      windowSystem().sendItemMessage(state.panelWindow, fields.slider, TBM_GETPOS, 0, 0));
  float value = valueOfSliderUnits(position, kind);
  const float lower = fields.lowerIn(limits);
  const float upper = fields.upperIn(limits);
  if (value < lower) {
    value = lower;
    setSliderPosition(fields.slider, sliderUnits(lower, kind));
  }
  if (value > upper) {
    value = upper;
    setSliderPosition(fields.slider, sliderUnits(upper, kind));
  }
  fields.valueIn(state) = value;
  showSliderValue(fields.slider, false, true, kind);
  if (scene != nullptr) applySliderChange(*scene);
}

// The end of a drag, a page step or a key step.
void endSliderMove(Scene* scene) {
  EditState& state = editState();
  // tracking ends with the move, whatever the host's calls do.
  struct EndTracking {
    ~EndTracking() { editState().tracking = 0; }
  } endTracking;
  if (scene != nullptr) recordMotionKey(*scene);
  windowSystem().setFocus(state.hostMainWindow);
}

}  // namespace

void showSliderValue(int slider, bool setSlider, bool setText, int kind) {
  const SliderFields* fields = fieldsOfSlider(slider);
  if (fields == nullptr) return;
  EditState& state = editState();
  const float value = fields->valueIn(state);
  if (setText) setBoxNumber(fields->box, boxNumber(value, kind));
  if (setSlider) {
    const AngleLimits& limits = angleLimits();
    const LPARAM range = kind == kAngleKind
                             ? packTrackbarRange(kAngleSliderMin, kAngleSliderMax)
                             : packTrackbarRange(sliderUnits(limits.jointMin, kind),
                                                 sliderUnits(limits.jointMax, kind));
    WindowSystem& windows = windowSystem();
    windows.sendItemMessage(state.panelWindow, slider, TBM_SETRANGE, kRedraw, range);
    setSliderPosition(slider, sliderUnits(value, kind));
  }
}

void commitTypedValue(int box, Scene* scene, int kind) {
  const SliderFields* fields = fieldsOfBox(box);
  if (fields == nullptr) return;
  EditState& state = editState();
  char text[kReadTextSize];
  copyBoxText(box, text);
  if (!isNumberText(text)) {
    windowSystem().setItemText(state.panelWindow, box, state.lastEditText);
    return;
  }
  float value = valueOfBoxNumber(numberOfText(text), kind);
  const AngleLimits& limits = angleLimits();
  const float lower = fields->lowerIn(limits);
  const float upper = fields->upperIn(limits);
  if (lower > value) {
    value = lower;
    const RewritingHeldNumber rewriting;
    setBoxNumber(box, boxNumber(lower, kind));
  }
  if (value > upper) {
    value = upper;
    const RewritingHeldNumber rewriting;
    setBoxNumber(box, boxNumber(upper, kind));
  }
  fields->valueIn(state) = value;
  state.activeControl = fields->slider;
  showSliderValue(fields->slider, true, false, kind);
  if (scene != nullptr) {
    applySliderChange(*scene);
    recordMotionKey(*scene);
  }
}

bool onBoxNotification(int box, int code, Scene* scene, int kind) {
  const SliderFields* fields = fieldsOfBox(box);
  if (fields == nullptr) return false;
  EditState& state = editState();
  switch (code) {
    case EN_SETFOCUS:
      copyBoxText(box, state.lastEditText);
      return true;
    case EN_CHANGE:
      if (!boxHasFocus(box)) {
        copyBoxText(box, state.lastEditText);
      } else if (!gRewritingHeldNumber) {
        const TrackingScope tracking;
        commitTypedValue(box, scene, kindOf(*fields, kind));
      }
      return true;
    default:
      return false;
  }
}

bool onSliderMessage(int code, HWND slider, Scene* scene, int kind) {
  // The Joint Value Setting dialog has the slider's numbers meanwhile.
  if (jointValueDialogRunning()) return false;
  EditState& state = editState();
  state.activeControl = windowSystem().controlId(slider);
  if (code == TB_THUMBTRACK && windowSystem().keyState(VK_CONTROL) < 0) {
    openJointValueDialog(scene, kind);
    return true;
  }
  switch (code) {
    case TB_PAGEUP:
    case TB_PAGEDOWN:
    case TB_THUMBTRACK: {
      const SliderFields* fields = fieldsOfSlider(state.activeControl);
      if (fields == nullptr) return false;
      followSlider(*fields, scene, kindOf(*fields, kind));
      return true;
    }
    case TB_ENDTRACK:
      endSliderMove(scene);
      return true;
    default:
      return false;
  }
}

void snapshotBoxValues(Scene& scene) {
  EditState& state = editState();
  const struct {
    int box;
    float EditState::*target;
  } boxes[] = {{control::kYawBox, &EditState::undoYaw},
               {control::kPitchBox, &EditState::undoPitch},
               {control::kRollBox, &EditState::undoRoll},
               {control::kJointBox, &EditState::undoJointValue}};
  for (const auto& entry : boxes) {
    char text[kReadTextSize];
    copyBoxText(entry.box, text);
    state.*entry.target = numberOfText(text);
  }
  state.undoJointValue = valueOfBoxNumber(state.undoJointValue, panelJointKind(&scene));
}

}  // namespace jolvent
