#include "panel/joint_value_dialog.h"

#include "editing/apply_changes.h"
#include "editing/edit_state.h"
#include "editing/settings_stream.h"
#include "host/scene.h"
#include "host/shape.h"
#include "panel/control_ids.h"
#include "panel/panel_state.h"
#include "panel/panel_texts.h"
#include "panel/slider_fields.h"
#include "panel/slider_scale.h"
#include "panel/sliders.h"
#include "panel/value_text.h"
#include "panel/window_procedure.h"
#include "platform/scope_exit.h"
#include "window_system/controls.h"
#include "window_system/window_system.h"

namespace jolvent {

namespace {

constexpr int kBoxes[3] = {control::kMinBox, control::kCurBox, control::kMaxBox};

bool gRunning = false;

// The Joint slider of a rotator joint shows its numbers as a rotator's box does.
JointKind shownKind(const SliderFields& fields, shape_class* active) {
  return fields.isJoint() && active != nullptr && active->isRotatorJoint(0)
             ? JointKind::rotator
             : JointKind::angle;
}

void fillBoxes(HWND dialog, const SliderFields& fields, shape_class* active) {
  const AngleLimits& limits = angleLimits();
  const JointKind kind = shownKind(fields, active);
  const float numbers[3] = {fields.lowerIn(limits), fields.valueIn(editState()),
                            fields.upperIn(limits)};
  for (int i = 0; i < 3; ++i)
    windowSystem().setItemText(dialog, kBoxes[i],
                               boxText(boxNumber(numbers[i], kind)).text);
}

void tellUser(HWND dialog, const char* message) {
  windowSystem().messageBox(dialog, message, text::kErrorCaption, MB_ICONINFORMATION);
}

// OK: answers whether the three numbers were taken. The numbers are checked
// as shown, for every slider within a whole turn either way.
bool takeNumbers(HWND dialog, const SliderFields& fields, shape_class* active) {
  char texts[3][kBoxTextSize];
  for (int i = 0; i < 3; ++i)
    windowSystem().itemText(dialog, kBoxes[i], texts[i], kBoxTextSize);
  for (const char* entered : texts) {
    if (!isNumberText(entered)) {
      tellUser(dialog, text::kNotANumber);
      return false;
    }
  }
  const float min = numberOfText(texts[0]);
  const float cur = numberOfText(texts[1]);
  const float max = numberOfText(texts[2]);
  if (min > cur || cur > max || min > max || min < kAngleRangeMin ||
      max > kAngleRangeMax) {
    tellUser(dialog, text::kInconsistentValues);
    return false;
  }
  const JointKind kind = shownKind(fields, active);
  AngleLimits& limits = angleLimits();
  limits.*fields.lower = valueOfBoxNumber(min, kind);
  fields.valueIn(editState()) = valueOfBoxNumber(cur, kind);
  limits.*fields.upper = valueOfBoxNumber(max, kind);
  return true;
}

// After a valid OK: the slider, the stored limits and the joint follow.
void applyNumbers(const SliderFields& fields, Scene* scene, JointKind kind) {
  if (!fields.isJoint()) {
    const AngleLimits& limits = angleLimits();
    setSliderSelection(panelState().panelWindow, fields.slider,
                       truncateToInt(fields.lowerIn(limits)),
                       truncateToInt(fields.upperIn(limits)));
  } else if (scene != nullptr) {
    pushJointRange(*scene);
  }
  showSliderValue(fields.channel, fields.shownKind(kind));
  if (scene == nullptr) return;
  if (!fields.isJoint()) storeLimits(*scene);
  applySliderChange(*scene);
}

}  // namespace

bool jointValueDialogRunning() {
  return gRunning;
}

void openJointValueDialog(Scene* scene, JointKind kind) {
  const PanelState& panel = panelState();
  WindowSystem& windows = windowSystem();
  // The host's main window is enabled and focused again on every path, once
  // the dialog counts as ended.
  const ScopeExit giveBack([&] {
    windows.enableWindow(panel.hostMainWindow, true);
    windows.setFocus(panel.hostMainWindow);
  });
  const auto running = raiseForScope(gRunning);
  windows.enableWindow(panel.hostMainWindow, false);
  const INT_PTR result =
      windows.dialogBox(panel.moduleInstance, control::kJointValueDialog,
                        panel.panelWindow, jointValueDialogProc, 0);
  if (result != 1) return;
  if (const SliderFields* fields = fieldsOf(editState().activeControl))
    applyNumbers(*fields, scene, kind);
}

INT_PTR CALLBACK jointValueDialogProc(HWND window, UINT message, WPARAM wParam,
                                      LPARAM lParam) {
  return containExceptions([&]() -> INT_PTR {
    HostRef<Scene> scene = currentScene();
    shape_class* active = scene ? scene->activeShape(0, 0) : nullptr;
    const SliderFields* fields = fieldsOf(editState().activeControl);
    switch (message) {
      case WM_INITDIALOG:
        if (fields != nullptr) fillBoxes(window, *fields, active);
        return 1;
      case WM_COMMAND:
        if (wParam == IDOK) {
          if (fields != nullptr && takeNumbers(window, *fields, active))
            windowSystem().endDialog(window, 1);
          return 1;
        }
        if (wParam == IDCANCEL) {
          windowSystem().endDialog(window, 0);
          return 1;
        }
        return 0;
      case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE && lParam != 0) {
          windowSystem().showWindow(window, SW_SHOW);
          return 1;
        }
        return 0;
      default:
        return 0;
    }
  });
}

}  // namespace jolvent
