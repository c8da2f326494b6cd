// Reference accounting and failure injection: what tests of the plug-in rely
// on to prove that every counted reference comes back, on every path.
#include "standin_host/accounting.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

#include "host/host_ref.h"
#include "host/joint.h"
#include "host/motion.h"
#include "host/scene.h"
#include "host/shape.h"
#include "standin_host/standin_host.h"

namespace jolvent::standin {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr UuidRecord kKey{{1U, 2U, 3U, 4U}};

class AccountingTest : public ::testing::Test {
protected:
  StandInHost host;
  Shape& joint = host.scene().addBallJoint("joint1");
};

TEST_F(AccountingTest, EveryCountedResultIsBookedUntilReleased) {
  joint.motion().setPresent(true);
  host.scene().select({&joint});
  joint.putStream(kKey);

  struct Case {
    const char* operation;
    std::function<IUnknown*(StandInHost&, Shape&)> obtain;
    const char* listed;  // how the listing names the object
  };
  const Case cases[] = {
      {"HostApp::currentScene",
       [](StandInHost& h, Shape&) { return h.app().currentScene(0); }, "Scene"},
      {"HostApp::editWindow",
       [](StandInHost& h, Shape&) { return h.app().editWindow(0); }, "EditWindow"},
      {"Scene::motionContainer",
       [](StandInHost& h, Shape&) { return h.scene().motionContainer(0, 0); },
       "MotionContainer"},
      {"MotionContainer::activeMotion",
       [](StandInHost& h, Shape&) -> IUnknown* {
         auto container =
             HostRef<MotionContainer>::adopt(h.scene().motionContainer(0, 0));
         return container->activeMotion(0);
       },
       "Motion joint1"},
      {"shape_class::jointControl",
       [](StandInHost&, Shape& s) { return s.asShapeClass()->jointControl(0); },
       "JointControl joint1"},
      {"shape_class::ballJointFrame",
       [](StandInHost&, Shape& s) { return s.asShapeClass()->ballJointFrame(0); },
       "BallJointFrame joint1"},
      {"shape_class::getStream",
       [](StandInHost&, Shape& s) { return s.asShapeClass()->getStream(kKey, 0); },
       "Stream joint1"},
      {"shape_class::createStream",
       [](StandInHost&, Shape& s) {
         return s.asShapeClass()->createStream(kKey, &kStreamKindId, &kStreamKindId,
                                               &kStreamKindId, 0);
       },
       "Stream joint1"},
      {"PartBuilder::partShape",
       [](StandInHost& h, Shape&) -> IUnknown* {
         part_class* part = h.scene().beginPart("guide", 0)->partShape(0);
         h.scene().endPart(0);
         return part;
       },
       "part_class guide (new)"},
      {"LineBuilder::lineShape",
       [](StandInHost& h, Shape&) -> IUnknown* {
         line_class* line = h.scene().beginLine("axis", 0, 0)->lineShape(0);
         h.scene().endLine(0);
         return line;
       },
       "line_class axis (new)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.operation);
    IUnknown* object = c.obtain(host, joint);
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(host.outstandingReferences(), 1);
    EXPECT_EQ(host.outstandingListing(),
              std::string(c.listed) + ": 1 outstanding (1 handed out, 0 released)\n");
    object->Release();
    EXPECT_EQ(host.outstandingReferences(), 0);
    EXPECT_EQ(host.problems(), "");
  }
  EXPECT_EQ(host.accounting().handedOutTotal(), host.accounting().releasedTotal());
}

TEST_F(AccountingTest, BorrowedResultsAreNotBookedButSharingThemIs) {
  host.scene().select({&joint});
  shape_class* active = host.scene().activeShape(0, 0);
  EXPECT_EQ(host.outstandingReferences(), 0);
  {
    auto shared = HostRef<shape_class>::share(active);
    EXPECT_EQ(host.outstandingReferences(), 1);
    EXPECT_THAT(host.outstandingListing(), HasSubstr("part_class joint1: 1 outstanding"));
  }
  EXPECT_EQ(host.problems(), "");
}

TEST_F(AccountingTest, OverReleaseIsReportedNotFatal) {
  JointControl* control = joint.asShapeClass()->jointControl(0);
  EXPECT_EQ(control->Release(), 1U);
  EXPECT_EQ(control->Release(), 1U);  // one too many: refused
  host.appInterface()->Release();     // borrowed, never handed out

  EXPECT_EQ(host.outstandingReferences(), 0);
  EXPECT_THAT(
      host.overReleases(),
      ElementsAre("JointControl joint1: Release with no reference outstanding "
                  "(1 handed out)",
                  "HostApp: Release with no reference outstanding (0 handed out)"));
  EXPECT_EQ(host.problems(),
            "protocol: JointControl joint1: released more often than handed out\n"
            "protocol: HostApp: released more often than handed out\n");
  // Still usable: the host owns it.
  EXPECT_EQ(control->value(0), 0.0F);
}

TEST_F(AccountingTest, ProblemsListsWhatIsStillHeld) {
  Stream* stream = joint.asShapeClass()->createStream(kKey, &kStreamKindId,
                                                      &kStreamKindId, &kStreamKindId, 0);
  Scene* scene = host.app().currentScene(0);
  EXPECT_EQ(host.outstandingReferences(), 2);
  EXPECT_EQ(host.problems(),
            "references outstanding:\n"
            "Scene: 1 outstanding (1 handed out, 0 released)\n"
            "Stream joint1: 1 outstanding (1 handed out, 0 released)\n");
  stream->Release();
  scene->Release();
  EXPECT_EQ(host.problems(), "");
}

TEST_F(AccountingTest, InjectedFailureThrowsTextBeforeAnyEffect) {
  joint.putStream(kKey);
  host.failNext("shape_class::getStream");
  try {
    joint.asShapeClass()->getStream(kKey, 0);
    FAIL() << "no exception";
  } catch (const char* text) {
    EXPECT_STREQ(text, "stand-in host: injected failure in shape_class::getStream");
  }
  EXPECT_EQ(host.outstandingReferences(), 0);
  EXPECT_TRUE(
      host.journal().contains("shape_class::getStream joint1 00000001-0000-0002-"
                              "0000-000300000004"));

  // Only the next call fails.
  auto stream = HostRef<Stream>::adopt(joint.asShapeClass()->getStream(kKey, 0));
  EXPECT_TRUE(stream);
  EXPECT_TRUE(host.faults().pending().empty());
}

// A caller in the plug-in's style: references held by HostRef.
void writeTwo(shape_class& shape) {
  auto stream = HostRef<Stream>::adopt(shape.getStream(kKey, 0));
  auto frame = HostRef<BallJointFrame>::adopt(shape.ballJointFrame(0));
  const float value = 1.0F;
  stream->writeFloat(&value, 0);
  stream->writeFloat(&value, 0);
}

TEST_F(AccountingTest, FailureOnALaterCallProvesReleaseOnTheExceptionalPath) {
  joint.putStream(kKey);
  host.faults().failOnCall("Stream::writeFloat", 2, "disk full");
  EXPECT_THROW(writeTwo(*joint.asShapeClass()), const char*);
  EXPECT_EQ(joint.stream(kKey)->bytes().size(), 4U) << "the failed write had no effect";
  EXPECT_EQ(host.problems(), "");
  EXPECT_EQ(host.faults().thrownCount(), 1);

  EXPECT_NO_THROW(writeTwo(*joint.asShapeClass()));
}

TEST_F(AccountingTest, FailureInjectionRefusesUnknownNames) {
  EXPECT_THROW(host.failNext("Scene::getStream"), std::invalid_argument);
  EXPECT_THROW(host.failNext("Stream::Release"), std::invalid_argument);
  EXPECT_THROW(host.faults().failOnCall("Stream::size", 0), std::invalid_argument);
  EXPECT_NO_THROW(host.failNext("EditController::beginEdit"));
  EXPECT_THAT(host.faults().pending(), ElementsAre("EditController::beginEdit"));
}

}  // namespace
}  // namespace jolvent::standin
