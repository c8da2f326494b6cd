#include "editing/settings_stream.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editing/edit_state.h"
#include "math/euler.h"
#include "tests/editing/editing_fixture.h"

namespace jolvent {
namespace {

using test::EditingTest;
using Floats = std::vector<float>;

void setAngleLimits(float pitchMin, float pitchMax, float yawMin, float yawMax,
                    float rollMin, float rollMax) {
  AngleLimits& limits = angleLimits();
  limits.pitchMin = pitchMin;
  limits.pitchMax = pitchMax;
  limits.yawMin = yawMin;
  limits.yawMax = yawMax;
  limits.rollMin = rollMin;
  limits.rollMax = rollMax;
}

void setAngles(float pitch, float yaw, float roll) {
  editState().pitch = pitch;
  editState().yaw = yaw;
  editState().roll = roll;
}

Floats limitsNow() {
  const AngleLimits& l = angleLimits();
  return {l.pitchMin, l.pitchMax, l.yawMin, l.yawMax, l.rollMin, l.rollMax};
}

using SettingsStream = EditingTest;

TEST_F(SettingsStream, TheKeyIsTheMainComponentsRecord) {
  EXPECT_EQ(kJointSettingsKey,
            (UuidRecord{{0x7EE80734U, 0xBEB64C23U, 0xA233273EU, 0xBE61B210U}}));
}

TEST_F(SettingsStream, FirstStoreOfAnglesCreatesTheWholeRecordWithTheCurrentLimits) {
  standin::Shape& joint = editedJoint();
  setAngleLimits(-90, 90, -45, 45, -30, 30);
  setAngles(10, 20, 30);

  storeAngles(scene());

  // Limits pitch, yaw, roll; then the angles yaw, pitch, roll.
  EXPECT_EQ(storedFloats(joint), (Floats{-90, 90, -45, 45, -30, 30, 20, 10, 30}));
  const standin::StreamObject* stream = joint.stream(kJointSettingsKey);
  ASSERT_NE(stream, nullptr);
  EXPECT_EQ(stream->bytes().size(), 36U);
  ASSERT_TRUE(stream->creationIds().has_value());
  for (const UuidRecord& id : *stream->creationIds()) EXPECT_EQ(id, StreamCreationId);
  EXPECT_EQ(StreamCreationId,
            (UuidRecord{{0x00000000U, 0x53B811D9U, 0xBCFF000AU, 0x95BACEB2U}}));
}

TEST_F(SettingsStream, AnExistingStreamKeepsItsLimitsWhenAnglesAreStored) {
  standin::Shape& joint = editedJoint();
  joint.putStream(kJointSettingsKey).setFloats({-1, 1, -2, 2, -3, 3, 7, 8, 9});
  setAngleLimits(-90, 90, -45, 45, -30, 30);
  setAngles(10, 20, 30);

  storeAngles(scene());

  EXPECT_EQ(storedFloats(joint), (Floats{-1, 1, -2, 2, -3, 3, 20, 10, 30}));
}

TEST_F(SettingsStream, StoringLimitsAloneMakesA24ByteStreamAndLeavesStoredAngles) {
  standin::Shape& fresh = editedJoint("fresh");
  setAngleLimits(-90, 90, -45, 45, -30, 30);
  storeLimits(scene());
  EXPECT_EQ(storedFloats(fresh), (Floats{-90, 90, -45, 45, -30, 30}));

  standin::Shape& stored = editedJoint("stored");
  stored.putStream(kJointSettingsKey).setFloats({-1, 1, -2, 2, -3, 3, 7, 8, 9});
  storeLimits(scene());
  EXPECT_EQ(storedFloats(stored), (Floats{-90, 90, -45, 45, -30, 30, 7, 8, 9}));
}

TEST_F(SettingsStream, LimitsAreReadFromTheStreamOrResetWithoutOne) {
  standin::Shape& joint = editedJoint();
  joint.putStream(kJointSettingsKey).setFloats({-10, 11, -12, 13, -14, 15});
  angleLimits().jointMin = -5;
  readStoredLimits(scene());
  EXPECT_EQ(limitsNow(), (Floats{-10, 11, -12, 13, -14, 15}));

  editedJoint("without stream");
  readStoredLimits(scene());
  EXPECT_EQ(limitsNow(), (Floats{-360, 360, -360, 360, -360, 360}));
  EXPECT_EQ(angleLimits().jointMin, -5.0F) << "the joint limits are not the stream's";
}

TEST_F(SettingsStream, LimitsAreReadFromTheStartWhereverTheStreamStands) {
  standin::Shape& joint = editedJoint();
  setAngleLimits(-90, 90, -45, 45, -30, 30);
  storeAngles(scene());
  // The stream keeps its position between references, as a store left it.
  ASSERT_EQ(joint.stream(kJointSettingsKey)->position(), 36);
  setAngleLimits(-1, 1, -1, 1, -1, 1);

  readStoredLimits(scene());

  EXPECT_EQ(limitsNow(), (Floats{-90, 90, -45, 45, -30, 30}));
}

TEST_F(SettingsStream, AnglesAreReadOnlyFromAStreamLongerThanTheLimits) {
  const struct {
    Floats content;
    Floats expected;  // pitch, yaw, roll afterwards
  } cases[] = {
      {{-1, 1, -2, 2, -3, 3, 20, 10, 30}, {10, 20, 30}},
      // 28 bytes: this host reads the missing pitch and roll as 0.
      {{-1, 1, -2, 2, -3, 3, 20}, {0, 20, 0}},
      {{-1, 1, -2, 2, -3, 3}, {1, 2, 3}},
  };
  for (const auto& entry : cases) {
    standin::Shape& joint = editedJoint();
    joint.putStream(kJointSettingsKey).setFloats(entry.content);
    setAngles(1, 2, 3);
    readStoredAngles(scene());
    EXPECT_EQ((Floats{editState().pitch, editState().yaw, editState().roll}),
              entry.expected);
  }
  editedJoint("without stream");
  setAngles(1, 2, 3);
  readStoredAngles(scene());
  EXPECT_EQ((Floats{editState().pitch, editState().yaw, editState().roll}),
            (Floats{1, 2, 3}));
}

TEST_F(SettingsStream, ShapeAnglesComeFromTheJointsOwnRotation) {
  // Pitch 30, yaw 20, roll 10 in the panel's convention.
  const Quaternion rotation = applyAxisDelta(
      applyAxisDelta(applyAxisDelta({1, 0, 0, 0}, &axisZ, 10, 0), &axisY, 20, 0), &axisX,
      30, 0);
  const EulerDegrees expected = quatToEulerDegrees(rotation);
  standin::Shape& joint = model().addBallJoint("joint1", nullptr, {}, rotation);
  joint.putStream(kJointSettingsKey).setFloats({-1, 1, -2, 2, -3, 3, 0, 0, 0});
  standin::Shape& bare = model().addBallJoint("bare", nullptr, {}, rotation);
  setAngles(1, 2, 3);

  storeShapeAngles(*joint.asShapeClass());
  storeShapeAngles(*bare.asShapeClass());

  EXPECT_EQ(storedFloats(joint),
            (Floats{-1, 1, -2, 2, -3, 3, expected.yaw, expected.pitch, expected.roll}));
  EXPECT_NEAR(expected.pitch, 30, 1e-3);
  EXPECT_NEAR(expected.yaw, 20, 1e-3);
  EXPECT_NEAR(expected.roll, 10, 1e-3);
  EXPECT_EQ(bare.stream(kJointSettingsKey), nullptr) << "no stream is created";
  EXPECT_EQ((Floats{editState().pitch, editState().yaw, editState().roll}),
            (Floats{1, 2, 3}));
}

TEST_F(SettingsStream, AStaleJointHandleChangesNothing) {
  standin::Shape& joint = editedJoint();
  model().removeShape(joint);
  setAngleLimits(-90, 90, -45, 45, -30, 30);
  storeAngles(scene());
  storeLimits(scene());
  readStoredAngles(scene());
  EXPECT_TRUE(joint.allStreams().empty());
}

TEST_F(SettingsStream, DeletingTheSettingsResetsTheAngleRangesOnly) {
  standin::Shape& edited = editedJoint("edited");
  standin::Shape& other = model().addBallJoint("other");
  other.putStream(kJointSettingsKey).setFloats({-1, 1, -2, 2, -3, 3, 7, 8, 9});
  setAngleLimits(-90, 90, -45, 45, -30, 30);
  angleLimits().jointMin = -5;
  setAngles(1, 2, 3);

  // The shape need not be the edited joint.
  EXPECT_TRUE(deleteJointSettings(*other.asShapeClass()));

  EXPECT_EQ(other.stream(kJointSettingsKey), nullptr);
  EXPECT_EQ(limitsNow(), (Floats{-360, 360, -360, 360, -360, 360}));
  EXPECT_EQ(angleLimits().jointMin, -5.0F);
  EXPECT_EQ((Floats{editState().pitch, editState().yaw, editState().roll}),
            (Floats{1, 2, 3}));
  EXPECT_EQ(edited.rotation().w, 1.0F);
  EXPECT_TRUE(windows.log().empty()) << "the editing core asks no window for anything";
}

TEST_F(SettingsStream, WithoutSettingsToDeleteNothingChanges) {
  standin::Shape& joint = editedJoint();
  setAngleLimits(-90, 90, -45, 45, -30, 30);

  EXPECT_FALSE(deleteJointSettings(*joint.asShapeClass()));

  EXPECT_EQ(limitsNow(), (Floats{-90, 90, -45, 45, -30, 30}));
}

// A host call that throws part-way still gets every stream reference back;
// the fixture's teardown checks the books.
TEST_F(SettingsStream, ReleasesTheStreamWhenAHostCallThrows) {
  const struct {
    const char* operation;
    void (*call)(Scene&);
    bool withStream;
  } cases[] = {
      {"shape_class::getStream", storeAngles, true},
      {"shape_class::createStream", storeAngles, false},
      {"Stream::writeFloat", storeAngles, false},
      {"Stream::writeFloat", storeAngles, true},
      {"Stream::seek", storeLimits, true},
      {"Stream::readFloat", readStoredLimits, true},
      {"Stream::size", readStoredAngles, true},
  };
  for (const auto& entry : cases) {
    SCOPED_TRACE(entry.operation);
    standin::Shape& joint = editedJoint();
    if (entry.withStream) {
      joint.putStream(kJointSettingsKey).setFloats({-1, 1, -2, 2, -3, 3, 7, 8, 9});
    }
    host.failNext(entry.operation, "host failure");
    EXPECT_THROW(entry.call(scene()), const char*);
    EXPECT_EQ(host.outstandingReferences(), 0) << host.outstandingListing();
  }
}

TEST_F(SettingsStream, ShapeAnglesReleaseStreamAndFrameWhenTheFrameFails) {
  standin::Shape& joint = model().addBallJoint("joint1");
  joint.putStream(kJointSettingsKey).setFloats({-1, 1, -2, 2, -3, 3, 7, 8, 9});
  for (const char* operation : {"BallJointFrame::jointRotation", "Stream::writeFloat"}) {
    host.failNext(operation);
    EXPECT_THROW(storeShapeAngles(*joint.asShapeClass()), const char*) << operation;
    EXPECT_EQ(host.outstandingReferences(), 0) << host.outstandingListing();
  }
  host.failNext("shape_class::deleteStream");
  EXPECT_THROW(deleteJointSettings(*joint.asShapeClass()), const char*);
  EXPECT_EQ(host.outstandingReferences(), 0) << host.outstandingListing();
}

}  // namespace
}  // namespace jolvent
