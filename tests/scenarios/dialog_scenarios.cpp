// Ctrl-drag: the Joint Value Setting dialog, as the user answers it.
#include <string>
#include <vector>

#include "math/euler.h"
#include "tests/common/cp932.h"
#include "tests/scenarios/scenario.h"

namespace jolvent::test {
namespace {

using namespace ids;

constexpr Vec3 kX{1, 0, 0};

std::vector<DialogStep> enter(const char* minimum, const char* current,
                              const char* maximum) {
  return {typeStep(kMin, minimum), typeStep(kCur, current), typeStep(kMax, maximum),
          pressStep(IDOK)};
}

TEST_F(PanelScenario, NewPitchLimitsAreMarkedAppliedAndStoredWithTheJoint) {
  standin::Shape& joint = scene().addBallJoint("hip");
  openPanelOn({&joint});

  ctrlDrag(kPitchSlider, enter("-45", "10", "45"));

  const std::vector<ModalSeen> seen = desktop().takeModalsSeen();
  ASSERT_EQ(seen.size(), 1U);
  EXPECT_EQ(seen[0].caption, "Joint Value Setting");
  EXPECT_EQ(seen[0].texts,
            (std::vector<std::string>{"-360.000000", "0.000000", "360.000000"}));
  EXPECT_TRUE(desktop().visible(panel())) << "the panel stays open";
  EXPECT_EQ(slider(kPitchSlider), (SliderState{10, -360, 360, -45, 45}));
  EXPECT_EQ(text(kPitchBox), "10.000000");
  EXPECT_EQ(components(joint.rotation()),
            components(applyAxisDelta({1, 0, 0, 0}, &kX, 10, 0)));
  const std::vector<float> stored = storedFloats(joint);
  ASSERT_EQ(stored.size(), 9U);
  EXPECT_EQ(std::vector<float>(stored.begin(), stored.begin() + 6),
            (std::vector<float>{-45, 45, -360, 360, -360, 360}));
  EXPECT_EQ(stored[7], 10);
  EXPECT_TRUE(host.journal().text().find("Motion::") == std::string::npos)
      << "the dialog records no key";
}

TEST_F(PanelScenario, RefusedEntriesAreReportedInJapaneseAndChangeNothing) {
  const std::string notANumber = cp932("数値を入力してください");
  const std::string inconsistent = cp932("入力値が矛盾しています");
  const struct {
    const char *minimum, *current, *maximum;
    const std::string& message;
  } cases[] = {
      {"-400", "0", "0", inconsistent}, {"0", "0", "361", inconsistent},
      {"10", "5", "20", inconsistent},  {"", "0", "0", notANumber},
      {"1e3", "0", "0", notANumber},    {"0", "abc", "0", notANumber},
  };
  standin::Shape& joint = scene().addBallJoint("knee");
  openPanelOn({&joint});
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.minimum) + " " + c.current + " " + c.maximum);
    std::vector<DialogStep> steps = enter(c.minimum, c.current, c.maximum);
    steps.push_back(answerMessageBoxStep());
    steps.push_back(pressStep(IDCANCEL));
    ctrlDrag(kRollSlider, steps);

    const std::vector<MessageBoxSeen> boxes = desktop().takeMessageBoxesSeen();
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].text, c.message);
    EXPECT_EQ(boxes[0].caption, "Error");
    EXPECT_EQ(boxes[0].type & MB_ICONINFORMATION, MB_ICONINFORMATION);
    EXPECT_EQ(slider(kRollSlider), (SliderState{0, -360, 360, -360, 360}));
    EXPECT_TRUE(storedFloats(joint).empty());
    EXPECT_TRUE(desktop().enabled(host.scene().mainWindow(0)));
  }
}

TEST_F(PanelScenario, EqualNumbersAreAccepted) {
  standin::Shape& joint = scene().addBallJoint("wrist");
  openPanelOn({&joint});
  ctrlDrag(kYawSlider, enter("0", "0", "0"));
  EXPECT_TRUE(desktop().takeMessageBoxesSeen().empty());
  EXPECT_EQ(slider(kYawSlider).selectionStart, 0);
  EXPECT_EQ(slider(kYawSlider).selectionEnd, 0);
}

// Under Wine the second TB_ENDTRACK of a mouse release reaches the panel
// while the dialog already runs, and a TB_THUMBTRACK with Ctrl still down
// would open a second dialog inside the first: the panel leaves the slider's
// messages alone until the dialog is done.
TEST_F(PanelScenario, SliderMessagesThatArriveWhileTheDialogRunsAreIgnored) {
  standin::Shape& joint = scene().addBallJoint("shoulder");
  joint.motion().setPresent(true);
  host.app().setRecordingMotion(true);
  openPanelOn({&joint});

  ctrlDrag(kYawSlider, {panelScrollStep(kYawSlider, TB_ENDTRACK),
                        panelScrollStep(kYawSlider, TB_THUMBTRACK), typeStep(kCur, "15"),
                        pressStep(IDOK)});

  EXPECT_EQ(desktop().takeModalsSeen().size(), 1U) << "no dialog inside the dialog";
  EXPECT_TRUE(joint.motion().keys().empty()) << "no key from the stray TB_ENDTRACK";
  EXPECT_EQ(slider(kYawSlider).position, 15);
  EXPECT_EQ(text(kYawBox), "15.000000");
}

// A rotator joint's range is shown and entered in half turns of 180.
class RotatorJoint : public PanelScenario {
protected:
  RotatorJoint() : joint(scene().addValuedJoint("wheel", 3, 0, -1, 1)) {
    joint.setRotatorJoint(true);
    openPanelOn({&joint});
  }
  standin::Shape& joint;
};

TEST_F(RotatorJoint, OkSetsTheRangeInJointUnits) {
  ctrlDrag(kJointSlider, enter("-90", "0", "90"));
  const std::vector<ModalSeen> seen = desktop().takeModalsSeen();
  ASSERT_EQ(seen.size(), 1U);
  EXPECT_EQ(seen[0].texts,
            (std::vector<std::string>{"-180.000000", "0.000000", "180.000000"}));
  EXPECT_EQ(joint.minimum(), -0.5F);
  EXPECT_EQ(joint.maximum(), 0.5F);
  EXPECT_EQ(joint.value(), 0);
  SliderState shown = slider(kJointSlider);
  EXPECT_EQ(shown.minimum, -50);
  EXPECT_EQ(shown.maximum, 50);
}

TEST_F(RotatorJoint, CancelLeavesEverythingAsItWas) {
  ctrlDrag(kJointSlider,
           {typeStep(kMin, "-90"), typeStep(kMax, "90"), pressStep(IDCANCEL)});
  EXPECT_EQ(joint.minimum(), -1);
  EXPECT_EQ(joint.maximum(), 1);
  EXPECT_EQ(slider(kJointSlider).minimum, -100);
  EXPECT_TRUE(desktop().enabled(host.scene().mainWindow(0)));
}

}  // namespace
}  // namespace jolvent::test
