#include "panel/panel_window.h"

#include "editing/axis_guide.h"
#include "editing/control_ids.h"
#include "editing/edit_bracket.h"
#include "editing/edit_state.h"
#include "editing/settings_stream.h"
#include "host/host_ref.h"
#include "host/joint.h"
#include "host/scene.h"
#include "host/shape.h"
#include "panel/joint_kind.h"
#include "panel/panel_position.h"
#include "panel/panel_state.h"
#include "panel/sliders.h"
#include "panel/value_text.h"
#include "window_system/trackbar.h"
#include "window_system/window_system.h"

namespace jolvent {

namespace {

constexpr int kAngleSliders[3] = {control::kPitchSlider, control::kYawSlider,
                                  control::kRollSlider};
constexpr int kBoxLimit = 11;
constexpr int kAnglePageSize = 30;
constexpr int kJointPageSize = 10;
constexpr int kJointSliderMin = -100;
constexpr int kJointSliderMax = 100;
constexpr int kTicks[3] = {-180, 0, 180};
constexpr const char* kZeroText = "0.000000";

LRESULT send(HWND panel, int item, UINT message, WPARAM wParam, LPARAM lParam) {
  return windowSystem().sendItemMessage(panel, item, message, wParam, lParam);
}

void onInitDialog(HWND panel, int kind) {
  WindowSystem& windows = windowSystem();
  EditState& state = editState();
  for (int box : {control::kPitchBox, control::kYawBox, control::kRollBox})
    send(panel, box, EM_LIMITTEXT, kBoxLimit, 0);
  const LPARAM angleRange = packTrackbarRange(-360, 360);
  for (int slider : kAngleSliders) {
    send(panel, slider, TBM_SETPAGESIZE, 0, kAnglePageSize);
    send(panel, slider, TBM_SETLINESIZE, 0, 1);
    send(panel, slider, TBM_SETRANGE, kRedraw, angleRange);
    send(panel, slider, TBM_SETSEL, kRedraw, angleRange);
  }
  for (int slider : {control::kYawSlider, control::kPitchSlider, control::kRollSlider})
    send(panel, slider, TBM_SETPOS, kRedraw, 0);
  for (int slider : kAngleSliders) {
    for (int tick : kTicks) send(panel, slider, TBM_SETTIC, 0, tick);
  }
  for (int box : {control::kYawBox, control::kPitchBox, control::kRollBox})
    windows.setItemText(panel, box, kZeroText);

  send(panel, control::kJointBox, EM_LIMITTEXT, kBoxLimit, 0);
  send(panel, control::kJointSlider, TBM_SETPAGESIZE, 0, kJointPageSize);
  send(panel, control::kJointSlider, TBM_SETLINESIZE, 0, 1);
  send(panel, control::kJointSlider, TBM_SETRANGE, kRedraw,
       packTrackbarRange(kJointSliderMin, kJointSliderMax));
  send(panel, control::kJointSlider, TBM_SETPOS, kRedraw, 0);
  send(panel, control::kJointSlider, TBM_SETLINESIZE, 0,
       kind == kWholeUnitKind ? 100 : 1);
  windows.setItemText(panel, control::kJointBox, kZeroText);

  RECT rect{};
  windows.windowRect(panel, &rect);
  state.panelWidth = rect.right - rect.left;
  state.panelHeight = rect.bottom - rect.top;
  const std::uint32_t position = readPanelPosition();
  windows.setWindowPos(panel, nullptr, positionX(position), positionY(position), 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER);

  send(panel, control::kAutoShadeCheck, BM_SETCHECK, BST_UNCHECKED, 0);
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
  EditState& state = editState();
  if (send(panel, control::kAutoShadeCheck, BM_GETCHECK, 0, 0) == BST_CHECKED) {
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
  const EditState& state = editState();
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
  editState().panelVisible = 0;
  if (scene != nullptr) removeAxisGuide(*scene);
  closeEditBracket();
}

void showAngles() {
  for (int slider : kAngleSliders) showSliderValue(slider, true, true, kAngleKind);
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

void onUndo(Scene& scene, int kind) {
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
    showSliderValue(control::kJointSlider, true, true, kind);
  }
  windowSystem().setFocus(state.hostMainWindow);
}

void onReset(Scene& scene, int kind) {
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
    showSliderValue(control::kJointSlider, true, true, kind);
  }
  windowSystem().setFocus(state.hostMainWindow);
}

INT_PTR onCommand(HWND panel, int id, int code, Scene* scene, int kind) {
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
      return editState().panelVisible != 0 && onBoxNotification(id, code, scene, kind)
                 ? 1
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
  EditState& state = editState();
  state.hostMainWindow = mainWindow;
  state.panelWindow = windowSystem().createDialog(
      state.moduleInstance, control::kPanelDialog, mainWindow, panelProc, 0);
  if (state.panelWindow != nullptr) windowSystem().showWindow(state.panelWindow, SW_HIDE);
  state.panelVisible = 0;
  state.panelPending = 0;
}

INT_PTR CALLBACK panelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return containExceptions([&]() -> INT_PTR {
    HostRef<Scene> scene = currentScene();
    const int kind = panelJointKind(scene.get());
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
