#include "panel/sliders.h"

#include "editing/apply_changes.h"
#include "panel/control_ids.h"
#include "panel/joint_value_dialog.h"
#include "panel/panel_state.h"
#include "panel/slider_fields.h"
#include "panel/slider_scale.h"
#include "panel/value_text.h"
#include "platform/scope_exit.h"
#include "window_system/controls.h"
#include "window_system/window_system.h"

namespace jolvent {

namespace {

// Raised while a commit rewrites the box with the limit it held the number
// at. The box then notifies EN_CHANGE with the focus on it, which would commit
// the same number again inside this commit: the commit applies it itself.
bool gRewritingHeldNumber = false;

HWND panel() {
  return panelState().panelWindow;
}

void setBoxNumber(int box, float number) {
  windowSystem().setItemText(panel(), box, boxText(number).text);
}

bool boxHasFocus(int box) {
  WindowSystem& windows = windowSystem();
  HWND control = windows.dialogItem(panel(), box);
  return control != nullptr && windows.focusedWindow() == control;
}

void copyBoxText(int box, char* text) {
  windowSystem().itemText(panel(), box, text, kBoxTextSize);
}

void showOnSlider(const SliderFields& fields, JointKind kind) {
  const AngleLimits& limits = angleLimits();
  const SliderRange range = sliderRange(limits.jointMin, limits.jointMax, kind);
  setSliderRange(panel(), fields.slider, range.minimum, range.maximum);
  setSliderPosition(panel(), fields.slider,
                    sliderUnits(fields.valueIn(editState()), kind));
}

void showInBox(const SliderFields& fields, JointKind kind) {
  setBoxNumber(fields.box, boxNumber(fields.valueIn(editState()), kind));
}

// A drag or page step: the slider's position, held within its limits.
void followSlider(const SliderFields& fields, Scene* scene, JointKind kind) {
  panelState().tracking = true;
  const AngleLimits& limits = angleLimits();
  float value = valueOfSliderUnits(sliderPosition(panel(), fields.slider), kind);
  const float lower = fields.lowerIn(limits);
  const float upper = fields.upperIn(limits);
  if (value < lower) {
    value = lower;
    setSliderPosition(panel(), fields.slider, sliderUnits(lower, kind));
  }
  if (value > upper) {
    value = upper;
    setSliderPosition(panel(), fields.slider, sliderUnits(upper, kind));
  }
  fields.valueIn(editState()) = value;
  showInBox(fields, kind);
  if (scene != nullptr) applySliderChange(*scene);
}

// The end of a drag, a page step or a key step.
void endSliderMove(Scene* scene) {
  PanelState& state = panelState();
  // tracking ends with the move, whatever the host's calls do.
  const ScopeExit endTracking([&state] { state.tracking = false; });
  if (scene != nullptr) recordMotionKey(*scene);
  windowSystem().setFocus(state.hostMainWindow);
}

}  // namespace

void showSliderValue(Channel channel, JointKind kind) {
  const SliderFields* fields = fieldsOf(channel);
  if (fields == nullptr) return;
  showInBox(*fields, kind);
  showOnSlider(*fields, kind);
}

void showOnSlider(Channel channel, JointKind kind) {
  if (const SliderFields* fields = fieldsOf(channel)) showOnSlider(*fields, kind);
}

void showInBox(Channel channel, JointKind kind) {
  if (const SliderFields* fields = fieldsOf(channel)) showInBox(*fields, kind);
}

void markAngleLimits() {
  // Before the panel exists there is nothing to mark.
  if (panel() == nullptr) return;
  const AngleLimits& limits = angleLimits();
  for (Channel channel : kAngleChannels) {
    const SliderFields& fields = *fieldsOf(channel);
    setSliderSelection(panel(), fields.slider, truncateToInt(fields.lowerIn(limits)),
                       truncateToInt(fields.upperIn(limits)));
  }
}

void commitTypedValue(int box, Scene* scene, JointKind kind) {
  const SliderFields* fields = fieldsOfBox(box);
  if (fields == nullptr) return;
  char text[kBoxTextSize];
  copyBoxText(box, text);
  if (!isNumberText(text)) {
    windowSystem().setItemText(panel(), box, panelState().lastEditText);
    return;
  }
  float value = valueOfBoxNumber(numberOfText(text), kind);
  const AngleLimits& limits = angleLimits();
  const float lower = fields->lowerIn(limits);
  const float upper = fields->upperIn(limits);
  if (lower > value) {
    value = lower;
    const auto rewriting = raiseForScope(gRewritingHeldNumber);
    setBoxNumber(box, boxNumber(lower, kind));
  }
  if (value > upper) {
    value = upper;
    const auto rewriting = raiseForScope(gRewritingHeldNumber);
    setBoxNumber(box, boxNumber(upper, kind));
  }
  EditState& state = editState();
  fields->valueIn(state) = value;
  state.activeControl = fields->channel;
  showOnSlider(*fields, kind);
  if (scene != nullptr) {
    applySliderChange(*scene);
    recordMotionKey(*scene);
  }
}

bool onBoxNotification(int box, int code, Scene* scene, JointKind kind) {
  const SliderFields* fields = fieldsOfBox(box);
  if (fields == nullptr) return false;
  PanelState& state = panelState();
  switch (code) {
    case EN_SETFOCUS:
      copyBoxText(box, state.lastEditText);
      return true;
    case EN_CHANGE:
      if (!boxHasFocus(box)) {
        copyBoxText(box, state.lastEditText);
      } else if (!gRewritingHeldNumber) {
        const auto tracking = raiseForScope(state.tracking);
        commitTypedValue(box, scene, fields->shownKind(kind));
      }
      return true;
    default:
      return false;
  }
}

bool onSliderMessage(int code, HWND slider, Scene* scene, JointKind kind) {
  // The Joint Value Setting dialog has the slider's numbers meanwhile.
  if (jointValueDialogRunning()) return false;
  const SliderFields* fields = fieldsOfSlider(windowSystem().controlId(slider));
  editState().activeControl = fields != nullptr ? fields->channel : Channel::none;
  if (code == TB_THUMBTRACK && windowSystem().keyState(VK_CONTROL) < 0) {
    openJointValueDialog(scene, kind);
    return true;
  }
  switch (code) {
    case TB_PAGEUP:
    case TB_PAGEDOWN:
    case TB_THUMBTRACK:
      if (fields == nullptr) return false;
      followSlider(*fields, scene, fields->shownKind(kind));
      return true;
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
    char text[kBoxTextSize];
    copyBoxText(entry.box, text);
    state.*entry.target = numberOfText(text);
  }
  state.undoJointValue = valueOfBoxNumber(state.undoJointValue, panelJointKind(&scene));
}

}  // namespace jolvent
