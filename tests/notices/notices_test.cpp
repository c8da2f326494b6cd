#include "notices/notices.h"

#include <gtest/gtest.h>

#include <vector>

#include "editing/edit_state.h"
#include "editing/settings_stream.h"
#include "math/euler.h"
#include "panel/panel_state.h"
#include "tests/editing/editing_fixture.h"

namespace jolvent {
namespace {

using test::EditingTest;
using Floats = std::vector<float>;

class ShapesChangedNotice : public EditingTest {
protected:
  void notify(const std::vector<standin::Shape*>& shapes) {
    std::vector<shape_class*> objects;
    for (standin::Shape* shape : shapes) objects.push_back(shape->asShapeClass());
    onShapesChanged(&scene(), static_cast<int>(objects.size()), objects.data());
  }
};

TEST_F(ShapesChangedNotice, RewritesTheStoredAnglesOfChangedBallJointsEvenWhileHidden) {
  const Quaternion turned = applyAxisDelta({1, 0, 0, 0}, &axisX, 25, 0);
  standin::Shape& stored = model().addBallJoint("stored", nullptr, {}, turned);
  stored.putStream(kJointSettingsKey).setFloats({-1, 1, -2, 2, -3, 3, 7, 8, 9});
  standin::Shape& bare = model().addBallJoint("bare", nullptr, {}, turned);
  standin::Shape& part = model().addPart("part");
  part.putStream(kJointSettingsKey).setFloats({-1, 1, -2, 2, -3, 3, 7, 8, 9});
  ASSERT_FALSE(panelState().panelVisible);

  notify({&part, &bare, &stored});

  const EulerDegrees angles = quatToEulerDegrees(turned);
  EXPECT_EQ(storedFloats(stored),
            (Floats{-1, 1, -2, 2, -3, 3, angles.yaw, angles.pitch, angles.roll}));
  EXPECT_TRUE(bare.allStreams().empty()) << "a joint without a stream gets none";
  EXPECT_EQ(storedFloats(part), (Floats{-1, 1, -2, 2, -3, 3, 7, 8, 9}))
      << "only ball joints are stored";
}

TEST_F(ShapesChangedNotice, DoesNothingWhileThePanelAppliesItsOwnChange) {
  standin::Shape& joint = model().addBallJoint(
      "joint", nullptr, {}, applyAxisDelta({1, 0, 0, 0}, &axisY, 5, 0));
  joint.putStream(kJointSettingsKey).setFloats({-1, 1, -2, 2, -3, 3, 7, 8, 9});
  panelState().tracking = true;
  host.journal().clear();

  notify({&joint});

  EXPECT_EQ(storedFloats(joint), (Floats{-1, 1, -2, 2, -3, 3, 7, 8, 9}));
  EXPECT_TRUE(host.journal().entries().empty()) << host.journal().text();
}

}  // namespace
}  // namespace jolvent
