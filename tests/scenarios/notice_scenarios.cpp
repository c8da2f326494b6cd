// The host's notices in each state of the panel.
#include <vector>

#include "math/euler.h"
#include "tests/scenarios/scenario.h"

namespace jolvent::test {
namespace {

using namespace ids;

constexpr Vec3 kZ{0, 0, 1};

class Notices : public PanelScenario {
protected:
  Notices()
      : first(scene().addBallJoint("first", nullptr, {1, 0, 0})),
        second(scene().addBallJoint("second", nullptr, {0, 1, 0})) {
    openScene();
  }
  standin::Shape& first;
  standin::Shape& second;
};

TEST_F(Notices, WhileThePanelIsHiddenOnlyStoredAnglesChange) {
  first.putStream(kSettingsKey).setFloats({-1, 1, -2, 2, -3, 3, 7, 8, 9});
  first.setRotation(applyAxisDelta({1, 0, 0, 0}, &kZ, 30, 0));
  select({&first});
  host.notifier().shapesChanged({&first});
  host.notifier().jointDropped();
  host.notifier().refresh();
  host.notifier().sceneOpened();

  EXPECT_TRUE(guides().empty());
  EXPECT_FALSE(desktop().visible(panel()));
  EXPECT_EQ(storedFloats(first)[8], quatToEulerDegrees(first.rotation()).roll);
  EXPECT_EQ(text(kRollBox), "0.000000") << "the hidden panel is not refreshed";
}

TEST_F(Notices, TheSelectionMovesTheGuideAndThePanelToTheNewJoint) {
  scene().select({&first});
  command();
  ASSERT_EQ(guides().size(), 1U);

  second.putStream(kSettingsKey).setFloats({-1, 1, -2, 2, -3, 3, 1.5F, 0, 0});
  select({&second});
  ASSERT_EQ(guides().size(), 1U);
  EXPECT_EQ(text(kYawBox), "1.500000");
  EXPECT_EQ(scene().selection(), (std::vector<standin::Shape*>{&second}));

  select({&first, &second});  // two shapes: no guide, both stay selected
  EXPECT_TRUE(guides().empty());
  EXPECT_EQ(scene().selection(), (std::vector<standin::Shape*>{&first, &second}));
  EXPECT_EQ(enabled(kYawSlider), false);
}

TEST_F(Notices, TheGuidesOwnSelectionIsIgnoredButANameThatOnlyBeginsLikeItIsNot) {
  scene().select({&first});
  command();
  standin::Shape* guide = guides().at(0);
  select({guide});
  EXPECT_EQ(guides().size(), 1U);
  EXPECT_TRUE(enabled(kYawSlider));

  standin::Shape& lookalike = scene().addPart("#Jolvent_Guide2");
  select({&lookalike});
  EXPECT_TRUE(guides().empty());
  EXPECT_FALSE(enabled(kYawSlider));
}

TEST_F(Notices, ASelectionNoticeSentWhileTheGuideIsBeingRemovedIsIgnored) {
  scene().select({&first});
  command();
  // A host that reports the selection again while a shape is being deleted.
  bool nested = false;
  scene().setRemovedHook([&](standin::Shape&) {
    if (nested) return;
    nested = true;
    host.notifier().activeShapes({&first});
  });
  select({&second});
  scene().setRemovedHook({});
  EXPECT_EQ(guides().size(), 1U);
  EXPECT_EQ(scene().selection(), (std::vector<standin::Shape*>{&second}));
}

TEST_F(Notices, ShapeChangeDropRefreshAndSceneNoticesWhileShown) {
  first.putStream(kSettingsKey).setFloats({-360, 360, -360, 360, -360, 360, 0, 0, 0});
  scene().select({&first});
  command();

  // The host turned the joint itself: angles stored, panel refreshed.
  first.setRotation(applyAxisDelta({1, 0, 0, 0}, &kZ, 30, 0));
  host.notifier().shapesChanged({&first});
  EXPECT_EQ(storedFloats(first)[8], quatToEulerDegrees(first.rotation()).roll);
  EXPECT_EQ(slider(kRollSlider).position, 30);

  host.notifier().sceneOpened();  // the guide is built again at the joint
  EXPECT_EQ(guides().size(), 1U);

  host.notifier().jointDropped();
  EXPECT_TRUE(guides().empty());
  EXPECT_FALSE(enabled(kRollSlider));

  first.putStream(kSettingsKey).setFloats({-360, 360, -360, 360, -360, 360, 0, 0, 12});
  host.notifier().refresh();
  EXPECT_TRUE(guides().empty()) << "a refresh builds no guide";
}

}  // namespace
}  // namespace jolvent::test
