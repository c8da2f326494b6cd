#include "panel/joint_value_dialog.h"

#include "editing/apply_changes.h"
#include "editing/control_ids.h"
#include "editing/edit_state.h"
#include "editing/settings_stream.h"
#include "host/scene.h"
#include "host/shape.h"
#include "panel/joint_kind.h"
#include "panel/panel_state.h"
#include "panel/panel_texts.h"
#include "panel/slider_fields.h"
#include "panel/slider_scale.h"
#include "panel/sliders.h"
#include "panel/value_text.h"
#include "window_system/trackbar.h"
#include "window_system/window_system.h"

namespace jolvent {

namespace {

// Every slider's numbers stay within these, in the numbers shown.
constexpr float kLowestNumber = -360.0F;
constexpr float kHighestNumber = 360.0F;
constexpr float kRotatorFactor = 180.0F;

constexpr int kBoxes[3] = {control::kMinBox, control::kCurBox, control::kMaxBox};

bool gRunning = false;

// Runs while the dialog does; the host's main window is enabled and focused
// again on every path.
class RunningDialog {
public:
  RunningDialog() {
    gRunning = true;
    windowSystem().enableWindow(editState().hostMainWindow, false);
  }
  ~RunningDialog() {
    gRunning = false;
    WindowSystem& windows = windowSystem();
    windows.enableWindow(editState().hostMainWindow, true);
    windows.setFocus(editState().hostMainWindow);
  }
  RunningDialog(const RunningDialog&) = delete;
  RunningDialog& operator=(const RunningDialog&) = delete;
};

// The Joint slider of a rotator joint shows its numbers times 180.
float displayFactor(const SliderFields& fields, shape_class* active) {
  if (!fields.isJoint() || active == nullptr) return 1.0F;
  return active->isRotatorJoint(0) ? kRotatorFactor : 1.0F;
}

void fillBoxes(HWND dialog, const SliderFields& fields, shape_class* active) {
  EditState& state = editState();
  const AngleLimits& limits = angleLimits();
  const float factor = displayFactor(fields, active);
  const float numbers[3] = {fields.lowerIn(limits), fields.valueIn(state),
                            fields.upperIn(limits)};
  for (int i = 0; i < 3; ++i) {
    float shown = numbers[i];
    if (factor != 1.0F) shown *= factor;
    windowSystem().setItemText(dialog, kBoxes[i], boxText(shown).text);
  }
}

void tellUser(HWND dialog, const char* message) {
  windowSystem().messageBox(dialog, message, text::kErrorCaption, MB_ICONINFORMATION);
}

// OK: answers whether the three numbers were taken.
bool takeNumbers(HWND dialog, const SliderFields& fields, shape_class* active) {
  char texts[3][kEditTextSize];
  for (int i = 0; i < 3; ++i)
    windowSystem().itemText(dialog, kBoxes[i], texts[i], kEditTextSize);
  for (const char* entered : texts) {
    if (!isNumberText(entered)) {
      tellUser(dialog, text::kNotANumber);
      return false;
    }
  }
  float min = numberOfText(texts[0]);
  float cur = numberOfText(texts[1]);
  float max = numberOfText(texts[2]);
  if (min > cur || cur > max || min > max || min < kLowestNumber ||
      max > kHighestNumber) {
    tellUser(dialog, text::kInconsistentValues);
    return false;
  }
  const float factor = displayFactor(fields, active);
  if (factor != 1.0F) {
    min /= factor;
    cur /= factor;
    max /= factor;
  }
  AngleLimits& limits = angleLimits();
  limits.*fields.lower = min;
  fields.valueIn(editState()) = cur;
  limits.*fields.upper = max;
  return true;
}

// After a valid OK: the slider, the stored limits and the joint follow.
void applyNumbers(const SliderFields& fields, Scene* scene, int kind) {
  EditState& state = editState();
  const AngleLimits& limits = angleLimits();
  if (!fields.isJoint()) {
    windowSystem().sendItemMessage(
        state.panelWindow, fields.slider, TBM_SETSEL, kRedraw,
        packTrackbarRange(truncateToInt(fields.lowerIn(limits)),
                          truncateToInt(fields.upperIn(limits))));
  } else if (scene != nullptr) {
    pushJointRange(*scene);
  }
  showSliderValue(fields.slider, true, true, fields.isJoint() ? kind : kAngleKind);
  if (scene == nullptr) return;
  if (!fields.isJoint()) storeLimits(*scene);
  applySliderChange(*scene);
}

}  // namespace

bool jointValueDialogRunning() {
  return gRunning;
}

void openJointValueDialog(Scene* scene, int kind) {
  EditState& state = editState();
  const RunningDialog running;
  const INT_PTR result =
      windowSystem().dialogBox(state.moduleInstance, control::kJointValueDialog,
                               state.panelWindow, jointValueDialogProc, 0);
  if (result != 1) return;
  if (const SliderFields* fields = fieldsOfSlider(state.activeControl))
    applyNumbers(*fields, scene, kind);
}

INT_PTR CALLBACK jointValueDialogProc(HWND window, UINT message, WPARAM wParam,
                                      LPARAM lParam) {
  return containExceptions([&]() -> INT_PTR {
    HostRef<Scene> scene = currentScene();
    shape_class* active = scene ? scene->activeShape(0, 0) : nullptr;
    const SliderFields* fields = fieldsOfSlider(editState().activeControl);
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
