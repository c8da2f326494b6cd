// Drags, typed values, UNDO and RESET, and the keys they record.
#include <ostream>
#include <string>
#include <vector>

#include "math/euler.h"
#include "tests/scenarios/scenario.h"

namespace jolvent::test {
namespace {

using namespace ids;

constexpr Vec3 kX{1, 0, 0};
constexpr Vec3 kY{0, 1, 0};

// A ball joint with stored limits, Pitch -90..90 and Yaw -45..45, and the
// stored angles yaw 10, pitch 20, roll 5; the host records motion at 5.
class Sliders : public PanelScenario {
protected:
  Sliders() : joint(scene().addBallJoint("elbow")) {
    joint.putStream(kSettingsKey).setFloats({-90, 90, -45, 45, -360, 360, 10, 20, 5});
    joint.motion().setPresent(true);
    host.app().setRecordingMotion(true);
    scene().setSequencePosition(5);
    openPanelOn({&joint});
  }

  standin::Shape& joint;
};

TEST_F(Sliders, AYawDragComposesItsStepsSnapsBackAtTheLimitAndRecordsAKeyAtTheEnd) {
  const Quaternion start = joint.rotation();
  drag(kYawSlider, {20, 30, 40});

  Quaternion expected = applyAxisDelta(start, &kY, 20, 10);
  expected = applyAxisDelta(expected, &kY, 30, 20);
  expected = applyAxisDelta(expected, &kY, 40, 30);
  EXPECT_EQ(components(joint.rotation()), components(expected))
      << "three increments of 10 degrees";
  EXPECT_EQ(text(kYawBox), "40.000000");
  EXPECT_EQ(storedFloats(joint),
            (std::vector<float>{-90, 90, -45, 45, -360, 360, 40, 20, 5}));
  ASSERT_EQ(joint.motion().keys().size(), 1U);
  EXPECT_EQ(joint.motion().keys()[0].position, 5);
  EXPECT_EQ(components(joint.motion().keys()[0].rotation), components(expected));

  // Past yawMax the thumb is put back at the limit each time. A mouse
  // release under Wine ends the move twice: the second end finds the key at
  // the current position and overwrites it with the same rotation.
  drag(kYawSlider, {50, 60}, 2);
  expected = applyAxisDelta(expected, &kY, 45, 40);
  expected = applyAxisDelta(expected, &kY, 45, 45);
  EXPECT_EQ(slider(kYawSlider).position, 45);
  EXPECT_EQ(text(kYawBox), "45.000000");
  EXPECT_EQ(components(joint.rotation()), components(expected));
  ASSERT_EQ(joint.motion().keys().size(), 1U);
  EXPECT_EQ(components(joint.motion().keys()[0].rotation), components(expected));
}

TEST_F(Sliders, APageStepMovesTheJointAndRecordsAKeyAtItsEnd) {
  scene().setSequencePosition(8);
  scroll(kPitchSlider, TB_PAGEDOWN, 50);
  EXPECT_EQ(text(kPitchBox), "50.000000");
  EXPECT_EQ(joint.motion().keys().size(), 1U);
}

struct TypedCase {
  const char* typed;
  const char* shown;  // the box afterwards
  int slider;         // the Pitch slider afterwards
  float pitch;        // stored with the joint
};

// A case is named by what is typed, so that its name is the same in every build.
void PrintTo(const TypedCase& entry, std::ostream* out) {
  *out << '"' << entry.typed << '"';
}

class TypedPitch : public Sliders, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(TypedPitch, IsClampedOrRestoredAndApplied) {
  const TypedCase& c = GetParam();
  type(kPitchBox, c.typed);
  EXPECT_EQ(text(kPitchBox), c.shown);
  EXPECT_EQ(slider(kPitchSlider).position, c.slider);
  ASSERT_EQ(storedFloats(joint).size(), 9U);
  EXPECT_EQ(storedFloats(joint)[7], c.pitch);
  EXPECT_EQ(joint.motion().keys().size(), 1U) << "every accepted entry records a key";
}

INSTANTIATE_TEST_SUITE_P(Entries, TypedPitch,
                         ::testing::Values(TypedCase{"45", "45", 45, 45},
                                           TypedCase{"200", "90.000000", 90, 90},
                                           TypedCase{"-100.5", "-90.000000", -90, -90},
                                           TypedCase{"-", "-", 0, 0},
                                           TypedCase{"-.5", "-.5", 0, -0.5F},
                                           // Rejected: the text from when the box got the
                                           // focus returns, and is committed again.
                                           TypedCase{"abc", "20.000000", 20, 20},
                                           TypedCase{"+5", "20.000000", 20, 20},
                                           TypedCase{" 5", "20.000000", 20, 20},
                                           TypedCase{"", "20.000000", 20, 20}));

TEST_F(PanelScenario, TypingIntoTheJointBoxOfAKindTwoJointScalesBy180) {
  standin::Shape& joint = scene().addValuedJoint("jaw", 2, 0, -1, 1);
  openPanelOn({&joint});

  type(kJointBox, "90");
  EXPECT_EQ(joint.value(), 0.5F);
  EXPECT_EQ(slider(kJointSlider).position, 50);

  type(kJointBox, "400");
  EXPECT_EQ(joint.value(), 1.0F);
  EXPECT_EQ(text(kJointBox), "180.000000");
  EXPECT_EQ(slider(kJointSlider).position, 100);
}

TEST_F(Sliders, UndoReturnsToTheLastRefreshAndResetToTheDefaultAndUndoAfterResetKeepsIt) {
  const Quaternion defaultRotation = applyAxisDelta({1, 0, 0, 0}, &kX, 5, 0);
  joint.setDefaultRotation(defaultRotation);
  select({&joint});  // the selection notice takes the UNDO snapshot of the boxes
  const Quaternion selected = joint.rotation();
  drag(kPitchSlider, {60});
  ASSERT_NE(components(joint.rotation()), components(selected));

  press(kUndo);
  EXPECT_EQ(components(joint.rotation()), components(selected));
  EXPECT_EQ(text(kPitchBox), "20.000000");
  EXPECT_EQ(storedFloats(joint),
            (std::vector<float>{-90, 90, -45, 45, -360, 360, 10, 20, 5}));

  press(kReset);
  EXPECT_EQ(components(joint.rotation()), components(defaultRotation));
  EXPECT_EQ(text(kPitchBox), "0.000000");
  EXPECT_EQ(slider(kYawSlider).position, 0);

  press(kUndo);
  EXPECT_EQ(components(joint.rotation()), components(defaultRotation))
      << "RESET made the default the UNDO rotation";
  EXPECT_EQ(text(kYawBox), "10.000000");
  EXPECT_EQ(text(kPitchBox), "20.000000");
  EXPECT_EQ(text(kRollBox), "5.000000");
  EXPECT_TRUE(joint.motion().keys().size() == 1U) << "only the drag recorded a key";
}

TEST_F(PanelScenario, UndoAndResetOfAValuedJoint) {
  standin::Shape& joint = scene().addValuedJoint("finger", 13, 3, 0, 10, 1);
  openScene();
  scene().select({&joint});
  command();
  select({&joint});
  drag(kJointSlider, {7});
  EXPECT_EQ(joint.value(), 7);

  press(kUndo);
  EXPECT_EQ(joint.value(), 3);
  EXPECT_EQ(text(kJointBox), "3.000000");
  press(kReset);
  EXPECT_EQ(joint.value(), 1);
  EXPECT_EQ(slider(kJointSlider).position, 1);
}

}  // namespace
}  // namespace jolvent::test
