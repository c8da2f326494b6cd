// Protocol checks: arguments the plug-in must pass as 0, out-pointers, and the
// order of the builder calls.
#include "standin_host/protocol.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "host/host_ref.h"
#include "host/motion.h"
#include "host/scene.h"
#include "host/shape.h"
#include "standin_host/standin_host.h"

namespace jolvent::standin {
namespace {

using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

struct Fixture {
  StandInHost host;
  StandInScene& scene = host.scene();
  Shape& joint = scene.addBallJoint("joint1");
};

struct Case {
  const char* title;
  std::function<void(Fixture&)> call;
  std::vector<std::string> violations;
};

Stream* createStream(Fixture& f, const UuidRecord* a, const UuidRecord* b,
                     const UuidRecord* c) {
  return f.joint.asShapeClass()->createStream({}, a, b, c, 0);
}

TEST(ProtocolTest, BreachesAreRecorded) {
  const Vec3 p{1, 2, 3};
  const Vec3 q{1, 2, 4};
  const Vec3 sameAsP{1, 2, 3};
  const UuidRecord kind = kStreamKindId;
  const UuidRecord otherKind{{1U, 2U, 3U, 4U}};
  const Case cases[] = {
      {"trailing argument",
       [](Fixture& f) { f.scene.guideScale(7); },
       {"Scene::guideScale: trailing argument was 7, expected 0"}},
      {"beginLine's zero",
       [](Fixture& f) {
         f.scene.beginLine("l", 1, 0);
         f.scene.endLine(0);
       },
       {"Scene::beginLine: second argument was 1, expected 0"}},
      {"motionContainer's zero",
       [](Fixture& f) {
         auto container = HostRef<MotionContainer>::adopt(f.scene.motionContainer(2, 0));
       },
       {"Scene::motionContainer: first argument was 2, expected 0"}},
      {"activeShape's zero",
       [](Fixture& f) { f.scene.activeShape(3, 0); },
       {"Scene::activeShape: first argument was 3, expected 0"}},
      {"setPartOption's zero",
       [](Fixture& f) { f.joint.asPartClass()->setPartOption(4, 0); },
       {"part_class::setPartOption: option was 4, expected 0"}},
      {"a shape operation's trailing argument",
       [](Fixture& f) { f.joint.asShapeClass()->name(-1); },
       {"shape_class::name: trailing argument was -1, expected 0"}},
      {"findShapeByName without a flag",
       [](Fixture& f) { f.scene.findShapeByName("joint1", nullptr); },
       {"Scene::findShapeByName: null flag"}},
      {"findShapeByName with a flag not set to false",
       [](Fixture& f) {
         bool flag = true;
         f.scene.findShapeByName("joint1", &flag);
         EXPECT_FALSE(flag) << "the host clears it all the same";
       },
       {"Scene::findShapeByName: the flag byte held 1, expected 0"}},
      {"five different positions",
       [p, q](Fixture& f) {
         f.scene.beginLine("l", 0, 0);
         f.scene.appendPoint(&p, &p, &q, &p, &p, 0);
         f.scene.endLine(0);
       },
       {"Scene::appendPoint: the five pointers are not all to the same Vec3"}},
      {"five equal positions that are not one Vec3",
       [p, sameAsP](Fixture& f) {
         f.scene.beginLine("l", 0, 0);
         f.scene.appendPoint(&p, &p, &p, &p, &sameAsP, 0);
         f.scene.endLine(0);
       },
       {"Scene::appendPoint: the five pointers are not all to the same Vec3"}},
      {"a point with no line open",
       [p](Fixture& f) { f.scene.appendPoint(&p, &p, &p, &p, &p, 0); },
       {"Scene::appendPoint: no line is open"}},
      {"endLine with no line open",
       [](Fixture& f) { f.scene.endLine(0); },
       {"Scene::endLine: no line is open"}},
      {"endPart with no part open",
       [](Fixture& f) { f.scene.endPart(0); },
       {"Scene::endPart: no part is open"}},
      {"a line begun inside an open line",
       [](Fixture& f) {
         f.scene.beginLine("first", 0, 0);
         f.scene.beginLine("second", 0, 0);
         f.scene.endLine(0);
       },
       {"Scene::beginLine: line first is still open"}},
      {"a handle where a creation target belongs",
       [](Fixture& f) { f.scene.setCreationParent(f.joint.handle(), 0); },
       {"Scene::setCreationParent: the value names no part in the scene"}},
      {"a null out-pointer",
       [](Fixture& f) { f.joint.asPartClass()->worldMatrix(nullptr, 0); },
       {"part_class::worldMatrix: null output"}},
      {"a null creation identifier",
       [kind](Fixture& f) {
         auto stream = HostRef<Stream>::adopt(createStream(f, &kind, nullptr, &kind));
       },
       {"shape_class::createStream: identifier 2 is null",
        "shape_class::createStream: the three identifiers are not one object"}},
      {"three equal creation identifiers that are not one object",
       [kind](Fixture& f) {
         const UuidRecord copy = kind;
         auto stream = HostRef<Stream>::adopt(createStream(f, &kind, &kind, &copy));
       },
       {"shape_class::createStream: the three identifiers are not one object"}},
      {"another kind of stream",
       [otherKind](Fixture& f) {
         auto stream =
             HostRef<Stream>::adopt(createStream(f, &otherKind, &otherKind, &otherKind));
       },
       {"shape_class::createStream: identifier 00000001-0000-0002-0000-000300000004 is "
        "not the stream kind 00000000-53B8-11D9-BCFF-000A95BACEB2"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title);
    Fixture f;
    c.call(f);
    EXPECT_THAT(f.host.protocolViolations(), ElementsAreArray(c.violations));
    EXPECT_EQ(f.host.outstandingReferences(), 0);
  }
}

TEST(ProtocolTest, TheAddressRulesHoldForCallersThatKeepThem) {
  Fixture f;
  const Vec3 point{1, 2, 3};
  f.scene.beginLine("l", 0, 0);
  f.scene.appendPoint(&point, &point, &point, &point, &point, 0);
  f.scene.endLine(0);
  bool flag = false;
  f.scene.findShapeByName("joint1", &flag);
  auto stream = HostRef<Stream>::adopt(
      createStream(f, &kStreamKindId, &kStreamKindId, &kStreamKindId));
  stream.reset();
  EXPECT_EQ(f.host.problems(), "");
}

TEST(ProtocolTest, UnclosedBuildersShowInProblems) {
  Fixture f;
  f.scene.beginPart("#Jolvent_Guide", 0);
  f.scene.beginLine("G_Yaw", 0, 0);
  EXPECT_THAT(f.host.protocolViolations(), IsEmpty());
  EXPECT_EQ(f.host.problems(),
            "a line was left open\n"
            "part #Jolvent_Guide was left open\n");
}

}  // namespace
}  // namespace jolvent::standin
