// The panel's requests reach real Win32 windows through the forwarding window
// system.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "editing/edit_state.h"
#include "editing/settings_stream.h"
#include "panel/control_ids.h"
#include "panel/panel_state.h"
#include "plugin/components.h"
#include "plugin/module_lifetime.h"
#include "standin_host/standin_host.h"

namespace jolvent {
namespace {

class RealPanelWindow : public ::testing::Test {
protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
    ASSERT_TRUE(InitCommonControlsEx(&classes));
    panel = CreateWindowExA(0, "STATIC", "panel", WS_OVERLAPPED, 0, 0, 300, 200, nullptr,
                            nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(panel, nullptr);
    for (int id : sliders) {
      HWND slider = CreateWindowExA(0, TRACKBAR_CLASSA, "", WS_CHILD | TBS_ENABLESELRANGE,
                                    0, 0, 200, 20, panel,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                    GetModuleHandleA(nullptr), nullptr);
      ASSERT_NE(slider, nullptr);
      SendMessageA(slider, TBM_SETRANGE, TRUE, MAKELPARAM(-360, 360));
      SendMessageA(slider, TBM_SETSEL, TRUE, MAKELPARAM(-10, 10));
    }
    resetEditingState();
    resetPanelState();
    panelState().panelWindow = panel;
  }
  void TearDown() override {
    resetEditingState();
    resetPanelState();
    if (panel != nullptr) DestroyWindow(panel);
  }

  LRESULT ask(int slider, UINT message) {
    return SendDlgItemMessageA(panel, slider, message, 0, 0);
  }

  const int sliders[3] = {control::kPitchSlider, control::kYawSlider,
                          control::kRollSlider};
  HWND panel = nullptr;
};

TEST_F(RealPanelWindow, ClearingAJointsSettingsWidensTheSelectionOfTheAngleSliders) {
  standin::StandInHost host;
  standin::Shape& joint = host.scene().addBallJoint("joint1");
  joint.putStream(kJointSettingsKey).setFloats({-10, 10, -10, 10, -10, 10});

  attribute_component attribute;
  EXPECT_FALSE(attribute.clearJointSettings(joint.asShapeClass()));

  for (int slider : sliders) {
    EXPECT_EQ(ask(slider, TBM_GETSELSTART), -360) << slider;
    EXPECT_EQ(ask(slider, TBM_GETSELEND), 360) << slider;
  }
  EXPECT_EQ(host.problems(), "");
}

TEST_F(RealPanelWindow, DetachStopsTheRollUpTimerAndDestroysThePanel) {
  const UINT_PTR timer = SetTimer(panel, 1, 100, nullptr);
  ASSERT_NE(timer, 0U);
  panelState().rollUpTimer = static_cast<unsigned>(timer);

  onProcessDetach();

  EXPECT_FALSE(IsWindow(panel));
  EXPECT_EQ(panelState().rollUpTimer, 0U);
  EXPECT_EQ(panelState().panelWindow, nullptr);
  panel = nullptr;
}

}  // namespace
}  // namespace jolvent
