#include "editing/apply_changes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editing/edit_state.h"
#include "math/euler.h"
#include "standin_host/text.h"
#include "tests/editing/editing_fixture.h"

namespace jolvent {
namespace {

using test::EditingTest;

constexpr Quaternion kIdentity{1, 0, 0, 0};

void expectSameRotation(const Quaternion& actual, const Quaternion& expected,
                        float tolerance = 1e-6F) {
  EXPECT_NEAR(actual.w, expected.w, tolerance);
  EXPECT_NEAR(actual.x, expected.x, tolerance);
  EXPECT_NEAR(actual.y, expected.y, tolerance);
  EXPECT_NEAR(actual.z, expected.z, tolerance);
}

class ApplySliderChange : public EditingTest {
protected:
  standin::Shape& jointAtRest() {
    standin::Shape& joint = editedJoint();
    editState().rotation = kIdentity;
    return joint;
  }

  void moveSlider(Channel slider, float degrees) {
    editState().activeControl = slider;
    switch (slider) {
      case Channel::pitch:
        editState().pitch = degrees;
        break;
      case Channel::yaw:
        editState().yaw = degrees;
        break;
      case Channel::roll:
        editState().roll = degrees;
        break;
      default:
        break;
    }
    applySliderChange(scene());
  }
};

TEST_F(ApplySliderChange, ComposesEachStepOfASliderOntoTheJoint) {
  standin::Shape& joint = jointAtRest();
  for (float yaw : {10.0F, 20.0F, 30.0F}) moveSlider(Channel::yaw, yaw);

  Quaternion expected = kIdentity;
  for (int step = 0; step < 3; ++step) expected = applyAxisDelta(expected, &axisY, 10, 0);
  expectSameRotation(editState().rotation, expected, 0.0F);
  expectSameRotation(joint.rotation(), expected, 0.0F);
  expectSameRotation(expected, applyAxisDelta(kIdentity, &axisY, 30, 0));
  EXPECT_EQ(editState().appliedYaw, 30.0F);
  EXPECT_EQ(editState().appliedPitch, 0.0F);
  EXPECT_EQ(editState().appliedRoll, 0.0F);
  // The angles go with the joint: yaw, pitch, roll after the limits.
  const std::vector<float> stored = storedFloats(joint);
  ASSERT_EQ(stored.size(), 9U);
  EXPECT_EQ(stored[6], 30.0F);
}

TEST_F(ApplySliderChange, PitchAfterYawTurnsTheAlreadyTurnedJoint) {
  standin::Shape& joint = jointAtRest();
  moveSlider(Channel::yaw, 20);
  moveSlider(Channel::pitch, 30);

  const Quaternion expected =
      applyAxisDelta(applyAxisDelta(kIdentity, &axisY, 20, 0), &axisX, 30, 0);
  expectSameRotation(joint.rotation(), expected, 0.0F);
  const EulerDegrees angles = quatToEulerDegrees(joint.rotation());
  EXPECT_NEAR(angles.pitch, 30, 1e-3);
  EXPECT_NEAR(angles.yaw, 20, 1e-3);
  EXPECT_NEAR(angles.roll, 0, 1e-3);
}

TEST_F(ApplySliderChange, WithoutAChangeTheRotationIsOnlyRenormalisedButStillWritten) {
  const struct {
    Channel control;
  } cases[] = {{Channel::roll}, {Channel::joint}, {Channel::none}};
  for (const auto& entry : cases) {
    standin::Shape& joint = editedJoint();
    editState().rotation = {2, 0, 0, 0};
    editState().roll = editState().appliedRoll = 15;
    editState().activeControl = entry.control;

    applySliderChange(scene());

    expectSameRotation(editState().rotation, kIdentity, 0.0F);
    expectSameRotation(joint.rotation(), kIdentity, 0.0F);
    EXPECT_EQ(storedFloats(joint).size(), 9U);
    EXPECT_EQ(editState().appliedRoll, 15.0F);
  }
}

TEST_F(ApplySliderChange, AValuedJointTakesTheJointValueAndStoresNothing) {
  standin::Shape& elbow = model().addValuedJoint("elbow", 3, 0.25F, -1, 1);
  model().select({&elbow});
  editState().jointValue = 0.75F;
  editState().activeControl = Channel::joint;

  applySliderChange(scene());

  EXPECT_EQ(elbow.value(), 0.75F);
  EXPECT_TRUE(elbow.allStreams().empty());
}

TEST_F(ApplySliderChange, AStaleJointOrNoActiveShapeChangesNothing) {
  standin::Shape& joint = jointAtRest();
  model().removeShape(joint);
  editState().rotation = {2, 0, 0, 0};
  moveSlider(Channel::yaw, 10);
  EXPECT_EQ(editState().rotation.w, 2.0F);
  EXPECT_EQ(editState().appliedYaw, 0.0F);
  EXPECT_TRUE(joint.allStreams().empty());

  editState().ballJointHandle = 0;
  model().setEmptySelection(standin::EmptySelection::null);
  applySliderChange(scene());
}

// The rotation goes to the joint before the angles go to its stream, and the
// joint control is held until both are done.
TEST_F(ApplySliderChange, MakesItsHostCallsInOrder) {
  const std::string key = " " + standin::formatUuid(kJointSettingsKey);
  const struct {
    const char* title;
    bool withStream;
  } cases[] = {{"the first change makes the stream", false},
               {"a later change keeps its limits", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    standin::Shape& joint = jointAtRest();
    if (c.withStream) {
      joint.putStream(kJointSettingsKey).setFloats({-1, 1, -2, 2, -3, 3, 0, 0, 0});
    }
    editState().yaw = 10;
    editState().activeControl = Channel::yaw;
    host.journal().clear();

    applySliderChange(scene());

    std::vector<std::string> expected = {
        "Scene::shapeByHandle joint1",
        "shape_class::jointControl joint1",
        "JointControl::setRotation joint1 " + standin::formatQuaternion(joint.rotation()),
        "Scene::shapeByHandle joint1",
        "shape_class::getStream joint1" + key,
    };
    if (!c.withStream) {
      for (const char* call :
           {"shape_class::createStream joint1", "Stream::seek joint1 0",
            "Stream::writeFloat joint1 -360 @0", "Stream::writeFloat joint1 360 @4",
            "Stream::writeFloat joint1 -360 @8", "Stream::writeFloat joint1 360 @12",
            "Stream::writeFloat joint1 -360 @16", "Stream::writeFloat joint1 360 @20"}) {
        expected.push_back(call);
      }
      expected[5] += key;
    }
    for (const char* call :
         {"Stream::seek joint1 24", "Stream::writeFloat joint1 10 @24",
          "Stream::writeFloat joint1 0 @28", "Stream::writeFloat joint1 0 @32",
          "Stream::Release joint1", "JointControl::Release joint1"}) {
      expected.push_back(call);
    }
    EXPECT_EQ(host.journal().entries(), expected);
    model().removeShape(joint);
  }

  standin::Shape& elbow = model().addValuedJoint("elbow", 3, 0.25F, -1, 1);
  model().select({&elbow});
  editState().ballJointHandle = 0;
  editState().jointValue = 0.75F;
  editState().activeControl = Channel::joint;
  host.journal().clear();
  applySliderChange(scene());
  EXPECT_EQ(host.journal().entries(),
            (std::vector<std::string>{
                "Scene::activeShape", "shape_class::jointControl elbow",
                "JointControl::setValue elbow 0.75", "JointControl::Release elbow"}));
}

TEST_F(ApplySliderChange, ReleasesTheJointControlWhenAHostCallThrows) {
  for (const char* operation :
       {"JointControl::setRotation", "shape_class::getStream", "Stream::writeFloat"}) {
    jointAtRest();
    editState().yaw = 10;
    editState().activeControl = Channel::yaw;
    host.failNext(operation);
    EXPECT_THROW(applySliderChange(scene()), const char*) << operation;
    EXPECT_EQ(host.outstandingReferences(), 0) << host.outstandingListing();
  }
  standin::Shape& elbow = model().addValuedJoint("elbow", 3, 0.25F, -1, 1);
  model().select({&elbow});
  editState().ballJointHandle = 0;
  host.failNext("JointControl::setValue");
  EXPECT_THROW(applySliderChange(scene()), const char*);
}

class RecordMotionKey : public EditingTest {
protected:
  RecordMotionKey() { host.app().setRecordingMotion(true); }

  // The active ball joint with keys at 0 and 10.
  standin::Shape& keyedJoint() {
    standin::Shape& joint = editedJoint();
    model().select({&joint});
    joint.motion().setPresent(true);
    joint.motion().keys() = {{0.0F, kIdentity, 0.0F}, {10.0F, kIdentity, 0.0F}};
    return joint;
  }

  static std::vector<float> positions(const standin::Shape& shape) {
    std::vector<float> result;
    for (const standin::MotionKey& key : shape.motion().keys())
      result.push_back(key.position);
    return result;
  }
};

TEST_F(RecordMotionKey, AddsAKeyOrOverwritesTheOneExactlyAtThePosition) {
  const Quaternion edited = applyAxisDelta(kIdentity, &axisY, 40, 0);
  const struct {
    float position;
    std::vector<float> keys;
    bool overwritten;
  } cases[] = {
      {5, {0, 5, 10}, false},
      {10, {0, 10}, true},
      {15, {0, 10, 15}, false},
      {-1, {-1, 0, 10}, false},
      {10.000001F, {0, 10, 10.000001F}, false},
  };
  for (const auto& entry : cases) {
    SCOPED_TRACE(entry.position);
    standin::Shape& joint = keyedJoint();
    editState().rotation = edited;
    model().setSequencePosition(entry.position);

    recordMotionKey(scene());

    EXPECT_EQ(positions(joint), entry.keys);
    const Quaternion& second = joint.motion().keys()[1].rotation;
    if (entry.overwritten) {
      expectSameRotation(second, edited, 0.0F);
    } else {
      // A new key takes the joint's own state from the host; nothing is put in it.
      expectSameRotation(second, joint.rotation(), 0.0F);
    }
  }
}

TEST_F(RecordMotionKey, AValuedJointsKeyTakesTheJointValue) {
  standin::Shape& elbow = model().addValuedJoint("elbow", 4, 0.5F, -1, 1);
  model().select({&elbow});
  elbow.motion().setPresent(true);
  elbow.motion().keys() = {{0.0F, kIdentity, 0.0F}, {10.0F, kIdentity, 0.0F}};
  editState().jointValue = -0.25F;
  model().setSequencePosition(10);

  recordMotionKey(scene());

  ASSERT_EQ(elbow.motion().keys().size(), 2U);
  EXPECT_EQ(elbow.motion().keys()[1].value, -0.25F);
}

TEST_F(RecordMotionKey, TheFirstKeyIsAddedWhileRecording) {
  standin::Shape& joint = editedJoint();
  model().select({&joint});
  joint.motion().setPresent(true);
  model().setSequencePosition(3);
  recordMotionKey(scene());
  EXPECT_EQ(positions(joint), std::vector<float>{3});
}

TEST_F(RecordMotionKey, NothingIsTouchedUnlessRecordingIsOnForAnEnabledMotion) {
  const struct {
    const char* what;
    bool recording;
    bool enabled;
    bool present;
  } cases[] = {
      {"recording off", false, true, true},
      {"motion disabled", true, false, true},
      {"no motion", true, true, false},
  };
  for (const auto& entry : cases) {
    // The gate holds for a motion without keys as well.
    for (bool keyed : {true, false}) {
      SCOPED_TRACE(std::string(entry.what) +
                   (keyed ? ", keys at 0 and 10" : ", no keys"));
      standin::Shape& joint = keyedJoint();
      if (!keyed) joint.motion().keys().clear();
      const std::vector<float> before = positions(joint);
      host.app().setRecordingMotion(entry.recording);
      joint.motion().setEnabled(entry.enabled);
      joint.motion().setPresent(entry.present);
      for (float position : {5.0F, 10.0F}) {
        model().setSequencePosition(position);
        editState().rotation = applyAxisDelta(kIdentity, &axisX, 40, 0);
        recordMotionKey(scene());
        EXPECT_EQ(positions(joint), before);
        if (keyed) expectSameRotation(joint.motion().keys()[1].rotation, kIdentity, 0.0F);
      }
    }
  }
}

// The gate asks for the motion, then the recording, then the motion's own
// switch; container and motion are given back last, on every path.
TEST_F(RecordMotionKey, MakesItsHostCallsInOrder) {
  const std::vector<std::string> gate = {"Scene::motionContainer",
                                         "MotionContainer::activeMotion",
                                         "HostApp::isRecordingMotion"};
  const std::vector<std::string> releases = {"Motion::Release joint1",
                                             "MotionContainer::Release"};
  auto join = [](std::vector<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
  };
  const std::vector<std::string> opened = {"Motion::motionEnabled joint1",
                                           "Motion::currentPosition joint1",
                                           "Motion::keyCount joint1"};
  const struct {
    const char* title;
    bool recording;
    bool enabled;
    bool present;
    bool keyed;
    float position;
    std::vector<std::string> calls;
  } cases[] = {
      {"the key at the position is overwritten", true, true, true, true, 10,
       join({gate,
             opened,
             {"Motion::keyPosition joint1 0", "Motion::keyPosition joint1 1",
              "Motion::setKeyRotation joint1 1 1 0 0 0"},
             releases})},
      {"a key between is added", true, true, true, true, 5,
       join({gate,
             opened,
             {"Motion::keyPosition joint1 0", "Motion::keyPosition joint1 1",
              "Motion::addKey joint1 5"},
             releases})},
      {"the first key", true, true, true, false, 3,
       join({gate, opened, {"Motion::addKey joint1 3"}, releases})},
      {"recording off", false, true, true, false, 3, join({gate, releases})},
      {"motion disabled", true, false, true, false, 3,
       join({gate, {"Motion::motionEnabled joint1"}, releases})},
      {"no motion",
       true,
       true,
       false,
       false,
       3,
       {"Scene::motionContainer", "MotionContainer::activeMotion",
        "MotionContainer::Release"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    standin::Shape& joint = keyedJoint();
    if (!c.keyed) joint.motion().keys().clear();
    host.app().setRecordingMotion(c.recording);
    joint.motion().setEnabled(c.enabled);
    joint.motion().setPresent(c.present);
    model().setSequencePosition(c.position);
    editState().rotation = kIdentity;
    host.journal().clear();

    recordMotionKey(scene());

    EXPECT_EQ(host.journal().entries(), c.calls);
  }
}

TEST_F(RecordMotionKey, ReleasesContainerAndMotionWhenAHostCallThrows) {
  for (const char* operation :
       {"MotionContainer::activeMotion", "HostApp::isRecordingMotion",
        "Motion::keyPosition", "Motion::addKey", "Motion::setKeyRotation"}) {
    keyedJoint();
    model().setSequencePosition(operation == std::string("Motion::setKeyRotation") ? 10
                                                                                   : 5);
    host.failNext(operation);
    EXPECT_THROW(recordMotionKey(scene()), const char*) << operation;
    EXPECT_EQ(host.outstandingReferences(), 0) << host.outstandingListing();
  }
}

TEST_F(EditingTest, PushJointRangeSetsTheMinimumThenTheMaximumAsStored) {
  standin::Shape& elbow = model().addValuedJoint("elbow", 13, 1, -3, 3);
  model().select({&elbow});
  angleLimits().jointMin = -1.5F;
  angleLimits().jointMax = 2.25F;

  pushJointRange(scene());

  EXPECT_EQ(elbow.minimum(), -1.5F);
  EXPECT_EQ(elbow.maximum(), 2.25F);
  EXPECT_EQ(host.journal().startingWith("JointControl::set"),
            (std::vector<std::string>{"JointControl::setMin elbow -1.5",
                                      "JointControl::setMax elbow 2.25"}));

  host.failNext("JointControl::setMax");
  EXPECT_THROW(pushJointRange(scene()), const char*);
}

}  // namespace
}  // namespace jolvent
