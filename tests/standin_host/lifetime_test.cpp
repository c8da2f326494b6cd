// How long the plug-in may call what the host hands out: counted objects
// while a reference is held, borrowed shapes while they are in the scene, and
// a part's operations only through the part view asPart answers.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "host/component.h"
#include "host/edit_bracket.h"
#include "host/host_ref.h"
#include "host/joint.h"
#include "host/motion.h"
#include "host/plugin_interface.h"
#include "host/scene.h"
#include "host/shape.h"
#include "host/stream.h"
#include "standin_host/standin_host.h"

namespace jolvent::standin {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr UuidRecord kKey{{1U, 2U, 3U, 4U}};

struct Fixture {
  Fixture() {
    joint.putStream(kKey);
    joint.motion().setPresent(true);
    scene.select({&joint});
  }

  StandInHost host;
  StandInScene& scene = host.scene();
  Shape& joint = scene.addBallJoint("joint1");
  shape_class& object = *joint.asShapeClass();
};

// Obtains a counted object, gives its one reference back, then calls it.
struct LostCase {
  const char* title;
  std::function<void(Fixture&)> useAfterRelease;
  const char* violation;
};

TEST(Lifetime, ACountedObjectIsNotCalledAfterItsLastRelease) {
  const LostCase cases[] = {
      {"stream",
       [](Fixture& f) {
         Stream* stream = f.object.getStream(kKey, 0);
         stream->Release();
         float value = 0;
         stream->readFloat(&value, 0);
       },
       "Stream joint1: Stream::readFloat after its last reference was released"},
      {"joint control",
       [](Fixture& f) {
         JointControl* control = f.object.jointControl(0);
         control->Release();
         control->setValue(1, 0);
       },
       "JointControl joint1: JointControl::setValue after its last reference was "
       "released"},
      {"ball-joint frame",
       [](Fixture& f) {
         BallJointFrame* frame = f.object.ballJointFrame(0);
         frame->Release();
         Vec3 centre;
         frame->jointCentre(&centre, 0);
       },
       "BallJointFrame joint1: BallJointFrame::jointCentre after its last reference "
       "was released"},
      {"motion",
       [](Fixture& f) {
         auto container = HostRef<MotionContainer>::adopt(f.scene.motionContainer(0, 0));
         Motion* motion = container->activeMotion(0);
         motion->Release();
         motion->addKey(1, 0);
       },
       "Motion joint1: Motion::addKey after its last reference was released"},
      {"motion container",
       [](Fixture& f) {
         MotionContainer* container = f.scene.motionContainer(0, 0);
         container->Release();
         f.joint.motion().setPresent(false);
         container->activeMotion(0);
       },
       "MotionContainer: MotionContainer::activeMotion after its last reference was "
       "released"},
      {"edit window, through its view",
       [](Fixture& f) {
         EditWindow* window = f.host.app().editWindow(0);
         window->Release();
         window->view->editController(0);
       },
       "EditView::editController: the edit window's last reference was released"},
      {"edit window, given to the controller",
       [](Fixture& f) {
         EditWindow* window = f.host.app().editWindow(0);
         EditController* controller = window->view->editController(0);
         window->Release();
         controller->canBeginEdit(window);
       },
       "EditController::canBeginEdit: the edit window's last reference was released"},
      {"new part",
       [](Fixture& f) {
         part_class* part = f.scene.beginPart("guide", 0)->partShape(0);
         f.scene.endPart(0);
         part->Release();
         part->setPartOption(0, 0);
       },
       "part_class guide (new): part_class::setPartOption after its last reference "
       "was released"},
      {"new line",
       [](Fixture& f) {
         line_class* line = f.scene.beginLine("axis", 0, 0)->lineShape(0);
         f.scene.endLine(0);
         line->Release();
         const float rgb[3] = {1, 0, 0};
         line->setLineColor(rgb, 0);
       },
       "line_class axis (new): line_class::setLineColor after its last reference was "
       "released"},
      {"AddRef counts as a call",
       [](Fixture& f) {
         JointControl* control = f.object.jointControl(0);
         control->Release();
         control->AddRef();
         control->Release();
       },
       "JointControl joint1: JointControl::AddRef after its last reference was "
       "released"},
  };
  for (const LostCase& c : cases) {
    SCOPED_TRACE(c.title);
    Fixture f;
    c.useAfterRelease(f);
    EXPECT_THAT(f.host.protocolViolations(), ElementsAre(c.violation));
    EXPECT_EQ(f.host.outstandingReferences(), 0) << f.host.outstandingListing();
  }
}

TEST(Lifetime, ACountedObjectMayBeCalledWhileAnyReferenceIsHeld) {
  Fixture f;
  JointControl* first = f.object.jointControl(0);
  JointControl* second = f.object.jointControl(0);
  ASSERT_EQ(first, second) << "the stand-in hands out one object per joint";
  first->Release();
  second->setValue(0.5F, 0);
  second->Release();
  // Handed out again, it may be called again.
  auto again = HostRef<JointControl>::adopt(f.object.jointControl(0));
  again->setValue(0.25F, 0);
  again.reset();
  EXPECT_EQ(f.host.problems(), "");
}

// The borrowed ways to a shape, each called after the shape left the scene.
struct BorrowedCase {
  const char* title;
  std::function<shape_class*(Fixture&, Shape& inside)> borrow;
  const char* listed;  // how the violation names the object
};

TEST(Lifetime, ABorrowedShapeIsNotCalledOnceRemoved) {
  const BorrowedCase cases[] = {
      {"shapeByHandle",
       [](Fixture& f, Shape& s) { return f.scene.shapeByHandle(s.handle(), 0); },
       "part_class arm"},
      {"findShapeByName",
       [](Fixture& f, Shape&) {
         bool flag = false;
         return f.scene.findShapeByName("arm", &flag);
       },
       "part_class arm"},
      {"activeShape",
       [](Fixture& f, Shape& s) {
         f.scene.select({&s});
         return f.scene.activeShape(0, 0);
       },
       "part_class arm"},
      {"parent",
       [](Fixture&, Shape& s) { return s.child("wire")->asShapeClass()->parent(0); },
       "part_class arm"},
      {"asPart",
       [](Fixture&, Shape& s) -> shape_class* { return s.asShapeClass()->asPart(0); },
       "part_class arm (part view)"},
      {"a line inside, through its parent's removal",
       [](Fixture&, Shape& s) { return s.child("wire")->asShapeClass(); },
       "line_class wire"},
  };
  for (const BorrowedCase& c : cases) {
    SCOPED_TRACE(c.title);
    Fixture f;
    Shape& arm = f.scene.addPart("arm");
    f.scene.addLine("wire", {}, &arm);
    shape_class* borrowed = c.borrow(f, arm);
    ASSERT_NE(borrowed, nullptr);
    borrowed->name(0);
    EXPECT_THAT(f.host.protocolViolations(), IsEmpty()) << "in the scene it may";

    arm.asShapeClass()->remove(0);
    borrowed->name(0);

    EXPECT_THAT(f.host.protocolViolations(),
                ElementsAre(std::string(c.listed) +
                            ": shape_class::name after it left the scene, with no "
                            "reference held"));
  }
}

TEST(Lifetime, AReferenceHeldKeepsARemovedShapeCallable) {
  Fixture f;
  Shape& arm = f.scene.addPart("arm");
  auto held = HostRef<shape_class>::share(f.scene.shapeByHandle(arm.handle(), 0));
  arm.asShapeClass()->remove(0);
  EXPECT_STREQ(held->name(0), "arm");
  held.reset();
  EXPECT_EQ(f.host.problems(), "");
}

TEST(PartView, IsADistinctObjectForTheSameShape) {
  Fixture f;
  part_class* view = f.object.asPart(0);
  ASSERT_NE(view, nullptr);
  EXPECT_NE(static_cast<shape_class*>(view), &f.object);
  EXPECT_EQ(f.scene.shapeFor(view), &f.joint);
  EXPECT_EQ(f.joint.asPartClass(), view);
  // The host's type information still calls the shape a part.
  EXPECT_NE(dynamic_cast<part_class*>(&f.object), nullptr);

  f.host.journal().clear();
  Matrix4 world;
  view->worldMatrix(&world, 0);
  EXPECT_STREQ(view->name(0), "joint1");
  EXPECT_EQ(view->partType(0), kBallJointPartType);
  EXPECT_THAT(f.host.journal().entries(),
              ElementsAre("part_class::worldMatrix joint1", "shape_class::name joint1",
                          "part_class::partType joint1"));
  EXPECT_EQ(f.host.problems(), "");
}

TEST(PartView, APartOperationOnTheShapeItselfIsReported) {
  // What a plug-in that casts instead of asking asPart does.
  const struct {
    const char* operation;
    std::function<void(part_class&)> call;
  } cases[] = {
      {"part_class::partType", [](part_class& p) { p.partType(0); }},
      {"part_class::worldMatrix",
       [](part_class& p) {
         Matrix4 world;
         p.worldMatrix(&world, 0);
       }},
      {"part_class::setTransformation",
       [](part_class& p) { p.setTransformation(&identityMatrix, 0); }},
      {"part_class::setPartOption", [](part_class& p) { p.setPartOption(0, 0); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.operation);
    Fixture f;
    c.call(*static_cast<part_class*>(&f.object));
    EXPECT_THAT(f.host.protocolViolations(),
                ElementsAre(std::string(c.operation) +
                            ": called on shape joint1 itself, not on the part view "
                            "from asPart"));
  }
}

// Releasing what was lent is refused and reported, also for the objects that
// are handed out both ways (the scene: borrowed in notices, counted from
// currentScene).
TEST(Lifetime, ABorrowedPointerIsNotReleased) {
  struct Releaser final : component<Releaser, plugin_interface> {
    static UuidRecord uuidRecord() { return {}; }
    void command(HostApp* app, Scene* scene) override {
      scene->Release();
      app->Release();
    }
    void activeShapesNotice(bool*, Scene*, int count,
                            shape_class* const* shapes) override {
      for (int i = 0; i < count; ++i) shapes[i]->Release();
    }
  };
  Fixture f;
  Releaser releaser;
  f.host.notifier().attach(&releaser);
  f.host.notifier().command();
  f.host.notifier().activeShapes({&f.joint});
  f.scene.shapeByHandle(f.joint.handle(), 0)->Release();
  f.object.asPart(0)->Release();

  EXPECT_THAT(f.host.protocolViolations(),
              ElementsAre("Scene: released more often than handed out",
                          "HostApp: released more often than handed out",
                          "part_class joint1: released more often than handed out",
                          "part_class joint1: released more often than handed out",
                          "part_class joint1 (part view): released more often than "
                          "handed out"));

  // A counted scene out does not make the borrowed one releasable on top.
  f.host.protocol().clear();
  Scene* counted = f.host.app().currentScene(0);
  counted->Release();
  f.host.notifier().command();
  EXPECT_THAT(f.host.protocolViolations(),
              ElementsAre("Scene: released more often than handed out",
                          "HostApp: released more often than handed out"));
}

}  // namespace
}  // namespace jolvent::standin
