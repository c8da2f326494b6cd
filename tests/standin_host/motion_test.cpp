// Motion keys: the active shape's motion, key order and what addKey records.
#include "standin_host/motion.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "host/host_ref.h"
#include "host/scene.h"
#include "host/shape.h"
#include "standin_host/standin_host.h"

namespace jolvent::standin {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

std::vector<float> positionsOf(const MotionTrack& track) {
  std::vector<float> positions;
  for (const MotionKey& key : track.keys()) positions.push_back(key.position);
  return positions;
}

class MotionTest : public ::testing::Test {
protected:
  StandInHost host;
  StandInScene& scene = host.scene();
  Shape& ball = scene.addBallJoint("ball");
  Shape& elbow = scene.addValuedJoint("elbow", 3, 0.5F, 0.0F, 1.0F);

  HostRef<Motion> activeMotion() {
    auto container = HostRef<MotionContainer>::adopt(scene.motionContainer(0, 0));
    return HostRef<Motion>::adopt(container->activeMotion(0));
  }
};

TEST_F(MotionTest, ActiveMotionBelongsToTheFirstActiveShapeWithAMotion) {
  EXPECT_FALSE(activeMotion()) << "nothing selected";
  scene.select({&ball});
  EXPECT_FALSE(activeMotion()) << "the shape has no motion";

  ball.motion().setPresent(true);
  {
    auto motion = activeMotion();
    ASSERT_TRUE(motion);
    EXPECT_EQ(motion.get(), &ball.motionObject());
  }
  scene.select({&elbow, &ball});
  EXPECT_FALSE(activeMotion()) << "only the first active shape counts";
  EXPECT_EQ(host.problems(), "");
}

TEST_F(MotionTest, KeysStayInAscendingPosition) {
  struct Case {
    const char* title;
    std::vector<float> added;
    std::vector<float> positions;
  };
  const Case cases[] = {
      {"ascending", {0, 5, 10}, {0, 5, 10}},
      {"descending", {10, 5, 0}, {0, 5, 10}},
      {"between", {0, 10, 5}, {0, 5, 10}},
      {"negative and fractional", {1.5F, -2, 0.25F}, {-2, 0.25F, 1.5F}},
      {"same position replaces", {5, 5, 0}, {0, 5}},
  };
  elbow.motion().setPresent(true);
  scene.select({&elbow});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title);
    elbow.motion().keys().clear();
    auto motion = activeMotion();
    for (float position : c.added) motion->addKey(position, 0);
    EXPECT_THAT(positionsOf(elbow.motion()), ElementsAreArray(c.positions));
    ASSERT_EQ(motion->keyCount(0), static_cast<int>(c.positions.size()));
    for (int i = 0; i < motion->keyCount(0); ++i) {
      EXPECT_EQ(motion->keyPosition(i, 0), c.positions[static_cast<std::size_t>(i)]);
    }
  }
}

TEST_F(MotionTest, AddKeyTakesTheJointsStateAtThatMoment) {
  ball.motion().setPresent(true);
  scene.select({&ball});
  auto motion = activeMotion();
  ball.setRotation({0.0F, 1.0F, 0.0F, 0.0F});
  motion->addKey(0.0F, 0);
  ball.setRotation({0.0F, 0.0F, 0.0F, 1.0F});
  motion->addKey(10.0F, 0);
  ball.setRotation({1.0F, 0.0F, 0.0F, 0.0F});  // later changes leave keys alone

  const auto& keys = ball.motion().keys();
  ASSERT_EQ(keys.size(), 2U);
  EXPECT_EQ(keys[0].rotation.x, 1.0F);
  EXPECT_EQ(keys[1].rotation.z, 1.0F);

  elbow.motion().setPresent(true);
  scene.select({&elbow});
  auto valued = activeMotion();
  valued->addKey(3.0F, 0);
  elbow.setValue(0.75F);
  EXPECT_EQ(elbow.motion().keys().at(0).value, 0.5F);
}

TEST_F(MotionTest, KeysCanBeOverwrittenByIndex) {
  ball.motion().setPresent(true);
  ball.motion().insertKey({0.0F, {}, 0.0F});
  ball.motion().insertKey({10.0F, {}, 0.0F});
  scene.select({&ball});
  auto motion = activeMotion();

  const Quaternion turned{0.0F, 0.0F, 1.0F, 0.0F};
  motion->setKeyRotation(1, &turned, 0);
  motion->setKeyValue(0, 0.5F, 0);
  EXPECT_EQ(ball.motion().keys()[1].rotation.y, 1.0F);
  EXPECT_EQ(ball.motion().keys()[0].value, 0.5F);

  motion->setKeyValue(2, 1.0F, 0);
  motion->setKeyRotation(-1, &turned, 0);
  EXPECT_EQ(motion->keyPosition(5, 0), 0.0F);
  EXPECT_THAT(host.protocolViolations(),
              ElementsAre("Motion::setKeyValue: key 2 of 2",
                          "Motion::setKeyRotation: key -1 of 2",
                          "Motion::keyPosition: key 5 of 2"));
}

TEST_F(MotionTest, PositionAndEnabledAreSettings) {
  ball.motion().setPresent(true);
  scene.select({&ball});
  auto motion = activeMotion();
  EXPECT_EQ(motion->currentPosition(0), 0.0F);
  EXPECT_TRUE(motion->motionEnabled(0));
  scene.setSequencePosition(12.5F);
  ball.motion().setEnabled(false);
  EXPECT_EQ(motion->currentPosition(0), 12.5F);
  EXPECT_FALSE(motion->motionEnabled(0));
}

}  // namespace
}  // namespace jolvent::standin
