// The attribute component's action: the joint's settings go, and the panel's
// angle sliders show the ranges that puts back.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "editing/edit_state.h"
#include "editing/settings_stream.h"
#include "panel/control_ids.h"
#include "panel/panel_state.h"
#include "plugin/components.h"
#include "tests/editing/editing_fixture.h"
#include "window_system/dialog_template.h"
#include "window_system/trackbar.h"

namespace jolvent {
namespace {

using Floats = std::vector<float>;

class ClearJointSettings : public test::EditingTest {
protected:
  ClearJointSettings() { resetPanelState(); }
  ~ClearJointSettings() override { resetPanelState(); }

  // A panel with the three angle sliders, ranged -360..360 and marked 0..0.
  HWND makePanel() {
    static const ControlTemplate sliders[] = {
        {control::kPitchSlider, "msctls_trackbar32", "", 0, 0, 100, 10,
         WS_CHILD | WS_VISIBLE | TBS_ENABLESELRANGE},
        {control::kYawSlider, "msctls_trackbar32", "", 0, 10, 100, 10,
         WS_CHILD | WS_VISIBLE | TBS_ENABLESELRANGE},
        {control::kRollSlider, "msctls_trackbar32", "", 0, 20, 100, 10,
         WS_CHILD | WS_VISIBLE | TBS_ENABLESELRANGE},
    };
    windows.addTemplate(
        {101, true, 0, WS_POPUP, 0, 0, 0, 100, 30, "", 9, "", sliders, 3});
    HWND panel = windows.createDialog(nullptr, 101, nullptr, nullptr, 0);
    for (const ControlTemplate& slider : sliders) {
      windows.sendMessage(windows.item(panel, slider.id), TBM_SETRANGE, kRedraw,
                          packTrackbarRange(-360, 360));
    }
    windows.clearLog();
    panelState().panelWindow = panel;
    return panel;
  }

  // The panel's angle sliders as the headless window system sees them.
  std::array<int, 6> sliderSelections(HWND panel) {
    std::array<int, 6> result{};
    int i = 0;
    for (int slider :
         {control::kPitchSlider, control::kYawSlider, control::kRollSlider}) {
      HWND control = windows.item(panel, slider);
      result[i] = static_cast<int>(windows.sendMessage(control, TBM_GETSELSTART, 0, 0));
      result[i + 1] = static_cast<int>(windows.sendMessage(control, TBM_GETSELEND, 0, 0));
      i += 2;
    }
    return result;
  }

  static Floats limitsNow() {
    const AngleLimits& l = angleLimits();
    return {l.pitchMin, l.pitchMax, l.yawMin, l.yawMax, l.rollMin, l.rollMax};
  }

  static void narrowTheLimits() {
    AngleLimits& limits = angleLimits();
    limits = {-90, 90, -45, 45, -30, 30, limits.jointMin, limits.jointMax};
  }

  bool clear(standin::Shape& shape) {
    return attribute.clearJointSettings(shape.asShapeClass());
  }

  attribute_component attribute;
};

TEST_F(ClearJointSettings, DeletesTheStreamResetsTheRangesAndAnswersFalse) {
  HWND panel = makePanel();
  standin::Shape& edited = editedJoint("edited");
  standin::Shape& other = model().addBallJoint("other");
  other.putStream(kJointSettingsKey).setFloats({-1, 1, -2, 2, -3, 3, 7, 8, 9});
  narrowTheLimits();
  angleLimits().jointMin = -5;
  editState().pitch = 1;
  editState().yaw = 2;
  editState().roll = 3;

  // The shape need not be the edited joint.
  EXPECT_FALSE(clear(other));

  EXPECT_EQ(other.stream(kJointSettingsKey), nullptr);
  EXPECT_EQ(limitsNow(), (Floats{-360, 360, -360, 360, -360, 360}));
  EXPECT_EQ(sliderSelections(panel),
            (std::array<int, 6>{-360, 360, -360, 360, -360, 360}));
  // Redrawn at once, -360 in the low half and 360 in the high one.
  EXPECT_EQ(windows.log(), (std::vector<std::string>{
                               "sendItemMessage 1001 TBM_SETSEL 1 0x0168fe98",
                               "sendItemMessage 1002 TBM_SETSEL 1 0x0168fe98",
                               "sendItemMessage 1003 TBM_SETSEL 1 0x0168fe98",
                           }));
  EXPECT_EQ(angleLimits().jointMin, -5.0F);
  EXPECT_EQ((Floats{editState().pitch, editState().yaw, editState().roll}),
            (Floats{1, 2, 3}));
  EXPECT_EQ(edited.rotation().w, 1.0F);
}

TEST_F(ClearJointSettings, WithoutAStreamNothingChanges) {
  HWND panel = makePanel();
  standin::Shape& joint = editedJoint();
  narrowTheLimits();

  EXPECT_FALSE(clear(joint));

  EXPECT_EQ(limitsNow(), (Floats{-90, 90, -45, 45, -30, 30}));
  EXPECT_EQ(sliderSelections(panel), (std::array<int, 6>{}));
  EXPECT_TRUE(windows.log().empty());
}

TEST_F(ClearJointSettings, BeforeThePanelExistsTheLimitsAreResetAllTheSame) {
  standin::Shape& joint = editedJoint();
  joint.putStream(kJointSettingsKey).setFloats({-1, 1, -2, 2, -3, 3});
  narrowTheLimits();
  EXPECT_FALSE(clear(joint));
  EXPECT_EQ(limitsNow(), (Floats{-360, 360, -360, 360, -360, 360}));
  EXPECT_EQ(joint.stream(kJointSettingsKey), nullptr);
  EXPECT_TRUE(windows.log().empty());
}

}  // namespace
}  // namespace jolvent
