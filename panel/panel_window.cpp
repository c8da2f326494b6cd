#include "panel/panel_window.h"

#include "editing/axis_guide.h"
#include "editing/edit_bracket.h"
#include "editing/edit_state.h"
#include "editing/settings_stream.h"
#include "host/host_ref.h"
#include "host/joint.h"
#include "host/scene.h"
#include "host/shape.h"
#include "panel/control_ids.h"
#include "panel/joint_kind.h"
#include "panel/panel_position.h"
#include "panel/panel_state.h"
#include "panel/slider_fields.h"
#include "panel/slider_scale.h"
#include "panel/sliders.h"
#include "panel/window_procedure.h"
#include "window_system/controls.h"
#include "window_system/window_system.h"

namespace jolvent {

namespace {

constexpr int kAngleSliders[3] = {control::kPitchSlider, control::kYawSlider,
                                  control::kRollSlider};
constexpr int kAngleBoxes[3] = {control::kPitchBox, control::kYawBox, control::kRollBox};
// Clicking beside the thumb moves an angle slider 30 degrees, the Joint slider
// 10 of its units; an arrow key moves a slider one unit, the Joint slider of a
// joint counted in whole units 100.
constexpr int kAnglePageSize = 30;
constexpr int kJointPageSize = 10;
constexpr int kLineSize = 1;
constexpr int kWholeUnitLineSize = 100;
// A half turn either way and no turn are marked on the angle sliders.
constexpr int kAngleTicks[3] = {-180, 0, 180};
// The Joint slider's range until the first valued joint is shown, in its units.
constexpr int kJointSliderMin = -100;
constexpr int kJointSliderMax = 100;
constexpr const char* kZeroText = "0.000000";

void onInitDialog(HWND panel, JointKind kind) {
  WindowSystem& windows = windowSystem();
  PanelState& state = panelState();
  for (int box : kAngleBoxes) limitBoxText(panel, box, kBoxTextLimit);
  const int angleMin = truncateToInt(kAngleRangeMin);
  const int angleMax = truncateToInt(kAngleRangeMax);
  for (int slider : kAngleSliders) {
    setSliderPageSize(panel, slider, kAnglePageSize);
    setSliderLineSize(panel, slider, kLineSize);
    setSliderRange(panel, slider, angleMin, angleMax);
    setSliderSelection(panel, slider, angleMin, angleMax);
  }
  for (int slider : {control::kYawSlider, control::kPitchSlider, control::kRollSlider})
    setSliderPosition(panel, slider, 0);
  for (int slider : kAngleSliders) {
    for (int tick : kAngleTicks) addSliderTick(panel, slider, tick);
  }
  for (int box : {control::kYawBox, control::kPitchBox, control::kRollBox})
    windows.setItemText(panel, box, kZeroText);

  limitBoxText(panel, control::kJointBox, kBoxTextLimit);
  setSliderPageSize(panel, control::kJointSlider, kJointPageSize);
  setSliderLineSize(panel, control::kJointSlider, kLineSize);
  setSliderRange(panel, control::kJointSlider, kJointSliderMin, kJointSliderMax);
  setSliderPosition(panel, control::kJointSlider, 0);
  setSliderLineSize(panel, control::kJointSlider,
                    kind == JointKind::wholeUnit ? kWholeUnitLineSize : kLineSize);
  windows.setItemText(panel, control::kJointBox, kZeroText);

  RECT rect{};
  windows.windowRect(panel, &rect);
  state.panelWidth = rect.right - rect.left;
  state.panelHeight = rect.bottom - rect.top;
  const std::uint32_t position = readPanelPosition();
  windows.setWindowPos(panel, nullptr, positionX(position), positionY(position), 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER);

  uncheckButton(panel, control::kAutoShadeCheck);
  state.rollUpTimer = 0;
}

// WM_MOVE carries the client area's origin; the stored corner is the outer one.
void onMove(LPARAM clientOrigin) {
  WindowSystem& windows = windowSystem();
  const int x = LOWORD(clientOrigin) - windows.systemMetric(SM_CXDLGFRAME);
  const int y = HIWORD(clientOrigin) - windows.systemMetric(SM_CYCAPTION);
  writePanelPosition(packPosition(x, y));
}

void onAutoShade(HWND panel) {
  WindowSystem& windows = windowSystem();
  PanelState& state = panelState();
  if (isButtonChecked(panel, control::kAutoShadeCheck)) {
    state.rollUpTimer =
        static_cast<unsigned int>(windows.setTimer(panel, kRollUpTimerId, kRollUpPeriod));
  } else {
    windows.killTimer(panel, state.rollUpTimer);
    state.rollUpTimer = 0;
  }
}

// Rolled up to the small caption while the cursor is off the panel.
void onRollUpTimer(HWND panel) {
  WindowSystem& windows = windowSystem();
  const PanelState& state = panelState();
  POINT cursor{};
  windows.cursorPos(&cursor);
  RECT rect{};
  windows.windowRect(panel, &rect);
  const bool outside = cursor.x < rect.left || cursor.x > rect.right ||
                       cursor.y < rect.top || cursor.y > rect.bottom;
  const int width = outside ? kRolledUpWidth : state.panelWidth;
  const int height = outside ? windows.systemMetric(SM_CYSMCAPTION) +
                                   2 * windows.systemMetric(SM_CYDLGFRAME)
                             : state.panelHeight;
  windows.setWindowPos(panel, nullptr, 0, 0, width, height,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void onClose(HWND panel, Scene* scene) {
  windowSystem().showWindow(panel, SW_HIDE);
  panelState().panelVisible = false;
  if (scene != nullptr) removeAxisGuide(*scene);
  closeEditBracket();
}

void showAngles() {
  for (Channel channel : kAngleChannels) showSliderValue(channel, JointKind::angle);
}

HostRef<JointControl> controlOf(shape_class* shape) {
  return HostRef<JointControl>::adopt(shape != nullptr ? shape->jointControl(0)
                                                       : nullptr);
}

// The edited ball joint, or for a valued joint the active shape.
shape_class* editedShape(Scene& scene) {
  const ShapeHandle handle = editState().ballJointHandle;
  return handle != 0 ? scene.shapeByHandle(handle, 0) : scene.activeShape(0, 0);
}

void onUndo(Scene& scene, JointKind kind) {
  EditState& state = editState();
  HostRef<JointControl> control = controlOf(editedShape(scene));
  if (!control) return;
  if (state.ballJointHandle != 0) {
    control->setRotation(&state.undoRotation, 0);
    state.rotation = state.undoRotation;
    state.pitch = state.appliedPitch = state.undoPitch;
    state.yaw = state.appliedYaw = state.undoYaw;
    state.roll = state.appliedRoll = state.undoRoll;
    showAngles();
    storeAngles(scene);
  } else {
    control->setValue(state.undoJointValue, 0);
    state.jointValue = state.undoJointValue;
    showSliderValue(Channel::joint, kind);
  }
  windowSystem().setFocus(panelState().hostMainWindow);
}

void onReset(Scene& scene, JointKind kind) {
  EditState& state = editState();
  HostRef<JointControl> control = controlOf(editedShape(scene));
  if (!control) return;
  if (state.ballJointHandle != 0) {
    control->defaultRotation(&state.rotation, 0);
    state.undoRotation = state.rotation;
    control->setRotation(&state.rotation, 0);
    state.pitch = state.yaw = state.roll = 0.0F;
    state.appliedPitch = state.appliedYaw = state.appliedRoll = 0.0F;
    showAngles();
    storeAngles(scene);
  } else {
    state.jointValue = control->defaultValue(0);
    control->setValue(state.jointValue, 0);
    showSliderValue(Channel::joint, kind);
  }
  windowSystem().setFocus(panelState().hostMainWindow);
}

INT_PTR onCommand(HWND panel, int id, int code, Scene* scene, JointKind kind) {
  switch (id) {
    case IDOK:
    case IDCANCEL:
      onClose(panel, scene);
      return 1;
    case control::kUndoButton:
      if (scene != nullptr) onUndo(*scene, kind);
      return 1;
    case control::kResetButton:
      if (scene != nullptr) onReset(*scene, kind);
      return 1;
    case control::kYawBox:
    case control::kPitchBox:
    case control::kRollBox:
    case control::kJointBox:
      return panelState().panelVisible && onBoxNotification(id, code, scene, kind) ? 1
                                                                                   : 0;
    case control::kAutoShadeCheck:
      onAutoShade(panel);
      return 1;
    default:
      return 0;
  }
}

}  // namespace

void createPanel(HWND mainWindow) {
  PanelState& state = panelState();
  state.hostMainWindow = mainWindow;
  state.panelWindow = windowSystem().createDialog(
      state.moduleInstance, control::kPanelDialog, mainWindow, panelProc, 0);
  if (state.panelWindow != nullptr) windowSystem().showWindow(state.panelWindow, SW_HIDE);
  state.panelVisible = false;
  state.panelPending = false;
}

INT_PTR CALLBACK panelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return containExceptions([&]() -> INT_PTR {
    HostRef<Scene> scene = currentScene();
    const JointKind kind = panelJointKind(scene.get());
    switch (message) {
      case WM_MOVE:
        onMove(lParam);
        return 0;
      case WM_INITDIALOG:
        onInitDialog(window, kind);
        return 1;
      case WM_COMMAND:
        return onCommand(window, LOWORD(wParam), HIWORD(wParam), scene.get(), kind);
      case WM_TIMER:
        onRollUpTimer(window);
        return 0;
      case WM_HSCROLL:
        return onSliderMessage(LOWORD(wParam), reinterpret_cast<HWND>(lParam),
                               scene.get(), kind)
                   ? 1
                   : 0;
      default:
        return 0;
    }
  });
}

}  // namespace jolvent
