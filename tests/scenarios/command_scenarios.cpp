// From the host's command to a filled panel, for each kind of selection.
#include <vector>

#include "tests/common/cp932.h"
#include "tests/scenarios/scenario.h"

namespace jolvent::test {
namespace {

using namespace ids;

// Angle boxes and sliders, UNDO and RESET, then the Joint box and slider.
const std::vector<int> kAllControls{kYawBox,      kPitchBox,   kRollBox, kYawSlider,
                                    kPitchSlider, kRollSlider, kUndo,    kReset,
                                    kJointBox,    kJointSlider};

TEST_F(PanelScenario, TheFirstSceneNoticeMakesThePanelHiddenAndTheCommandShowsIt) {
  EXPECT_EQ(panel(), nullptr);
  openScene();
  ASSERT_NE(panel(), nullptr);
  EXPECT_FALSE(desktop().visible(panel()));
  EXPECT_EQ(host.editBracket().canBeginEditCalls(), 0);

  command();
  EXPECT_TRUE(desktop().visible(panel()));
}

TEST_F(PanelScenario,
       CommandOnOneBallJointOpensTheBracketBuildsOneGuideAndShowsItsAngles) {
  standin::Shape& joint = scene().addBallJoint("neck", nullptr, {1, 2, 3});
  joint.putStream(kSettingsKey).setFloats({-90, 90, -45, 45, -30, 30, 10, 20, 5});

  openPanelOn({&joint});

  EXPECT_TRUE(host.editBracket().isOpen());
  EXPECT_EQ(host.editBracket().beginCount(), 1);
  EXPECT_EQ(guides().size(), 1U);
  EXPECT_TRUE(desktop().visible(panel()));
  EXPECT_EQ(slider(kPitchSlider), (SliderState{20, -360, 360, -90, 90}));
  EXPECT_EQ(slider(kYawSlider), (SliderState{10, -360, 360, -45, 45}));
  EXPECT_EQ(slider(kRollSlider), (SliderState{5, -360, 360, -30, 30}));
  EXPECT_EQ(text(kPitchBox), "20.000000");
  EXPECT_EQ(text(kYawBox), "10.000000");
  EXPECT_EQ(text(kRollBox), "5.000000");
  EXPECT_EQ(enabledStates(kAllControls), "1111111100");

  command();  // while shown: nothing more happens
  EXPECT_EQ(host.editBracket().beginCount(), 1);
  EXPECT_EQ(guides().size(), 1U);
}

TEST_F(PanelScenario, CommandWithTwoShapesOrARefusedBracketStillOpensThePanel) {
  standin::Shape& a = scene().addBallJoint("a");
  standin::Shape& b = scene().addBallJoint("b");
  host.editBracket().setCanBeginEdit(false);

  openPanelOn({&a, &b});

  EXPECT_TRUE(desktop().visible(panel()));
  EXPECT_FALSE(host.editBracket().isOpen());
  EXPECT_TRUE(guides().empty());
  EXPECT_EQ(enabledStates(kAllControls), "0000000000");
}

TEST_F(PanelScenario, CommandOnAValuedJointShowsItsScaledValueAndRange) {
  const struct {
    int kind;
    float value, minimum, maximum;
    SliderState slider;
    const char *box, *minLabel, *maxLabel;
  } cases[] = {
      {2, 0.5F, -1, 1, {50, -100, 100, 0, 0}, "90.000000", "-180.00", "180.00"},
      {13, 3, 0, 10, {3, 0, 10, 0, 0}, "3.000000", "0.00", "10.00"},
      {5, 0.25F, -2, 2, {25, -200, 200, 0, 0}, "0.250000", "-2.00", "2.00"},
      // Scaled beyond sixteen bits: the ends are held at the trackbar's
      // limits instead of wrapping into an upside-down range.
      {4, 1, -500, 500, {100, -32768, 32767, 0, 0}, "1.000000", "-500.00", "500.00"},
  };
  openScene();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    standin::Shape& joint = scene().addValuedJoint("valued" + std::to_string(c.kind),
                                                   c.kind, c.value, c.minimum, c.maximum);
    select({&joint});
    if (!desktop().visible(panel())) command();
    SliderState shown = slider(kJointSlider);
    shown.selectionStart = shown.selectionEnd = 0;  // no selection range is marked
    EXPECT_EQ(shown, c.slider);
    EXPECT_EQ(text(kJointBox), c.box);
    EXPECT_EQ(text(kJointMinLabel), c.minLabel);
    EXPECT_EQ(text(kJointMaxLabel), c.maxLabel);
    EXPECT_EQ(enabledStates(kAllControls), "0000001111");
    EXPECT_TRUE(guides().empty());
  }
}

TEST_F(PanelScenario, CommandOnAPartThatIsNoJointDisablesEverything) {
  standin::Shape& part = scene().addPart("body");
  openPanelOn({&part});
  EXPECT_EQ(enabledStates(kAllControls), "0000000000");
  EXPECT_EQ(text(kJointMinLabel), "-1") << "the labels keep the template's texts";
  EXPECT_EQ(text(kJointMaxLabel), "+1");
}

}  // namespace
}  // namespace jolvent::test
