// Notices to the plug-in's components: delivered when asked, never on the
// host's own initiative, and echoed only when a test turns an echo on.
#include "standin_host/notifier.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "host/component.h"
#include "host/host_ref.h"
#include "host/joint.h"
#include "host/shape.h"
#include "standin_host/standin_host.h"

namespace jolvent::standin {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Writes down each notice as "<notice> <scene|null> [names...]".
class RecordingComponent final : public component<RecordingComponent, plugin_interface> {
public:
  explicit RecordingComponent(Scene* expectedScene) : expectedScene_(expectedScene) {}

  static UuidRecord uuidRecord() { return {}; }

  void activeShapesNotice(bool*, Scene* scene, int count,
                          shape_class* const* shapes) override {
    record("activeShapes", scene, count, shapes);
    if (onActiveShapes) onActiveShapes(count, shapes);
  }
  bool shapesChangedNotice(bool*, Scene* scene, int count,
                           shape_class* const* shapes) override {
    record("shapesChanged", scene, count, shapes);
    return false;
  }
  void jointDropNotice(bool*, Scene* scene) override {
    record("jointDrop", scene, 0, nullptr);
  }
  void command(HostApp* app, Scene* scene) override {
    record(app != nullptr ? "command app" : "command null", scene, 0, nullptr);
  }
  void refreshNotice(bool* flag, Scene* scene) override {
    record("refresh", scene, 0, nullptr);
    *flag = false;
  }
  void sceneNotice(bool*, Scene* scene) override { record("scene", scene, 0, nullptr); }

  std::vector<std::string> notices;
  std::function<void(int, shape_class* const*)> onActiveShapes;

private:
  void record(const std::string& notice, Scene* scene, int count,
              shape_class* const* shapes) {
    std::string text = notice + (scene == nullptr          ? " null"
                                 : scene == expectedScene_ ? " scene"
                                                           : " other");
    for (int i = 0; i < count; ++i) text += std::string(" ") + shapes[i]->name(0);
    notices.push_back(text);
  }

  Scene* expectedScene_;
};

class NotifierTest : public ::testing::Test {
protected:
  NotifierTest() {
    host.notifier().attach(&first);
    host.notifier().attach(&second);
  }

  StandInHost host;
  StandInScene& scene = host.scene();
  Notifier& notifier = host.notifier();
  Shape& joint = scene.addBallJoint("joint1");
  Shape& elbow = scene.addValuedJoint("elbow", 2, 0.0F, -1.0F, 1.0F);
  RecordingComponent first{host.sceneInterface()};
  RecordingComponent second{host.sceneInterface()};
};

TEST_F(NotifierTest, EachNoticeReachesEveryComponent) {
  scene.select({&joint});
  struct Case {
    std::function<void(Notifier&)> deliver;
    const char* notice;
  };
  const Case cases[] = {
      {[](Notifier& n) { n.activeShapes(); }, "activeShapes scene joint1"},
      {[this](Notifier& n) {
         n.activeShapes({&elbow, &joint});
       },
       "activeShapes scene elbow joint1"},
      {[this](Notifier& n) { n.shapesChanged({&joint}); }, "shapesChanged scene joint1"},
      {[](Notifier& n) { n.jointDropped(); }, "jointDrop scene"},
      {[](Notifier& n) { n.command(); }, "command app scene"},
      {[](Notifier& n) { n.refresh(); }, "refresh scene"},
      {[](Notifier& n) { n.sceneOpened(); }, "scene scene"},
      {[](Notifier& n) { n.sceneClosed(); }, "scene null"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.notice);
    first.notices.clear();
    second.notices.clear();
    c.deliver(notifier);
    EXPECT_THAT(first.notices, ElementsAre(c.notice));
    EXPECT_THAT(second.notices, ElementsAre(c.notice));
  }
  notifier.jointDropped();
  EXPECT_TRUE(notifier.lastFlag()) << "the flag starts true";
  notifier.refresh();
  EXPECT_FALSE(notifier.lastFlag()) << "the refresh notice cleared it";
}

TEST_F(NotifierTest, WithTheSceneClosedNoticesCarryNone) {
  host.app().closeScene();
  notifier.refresh();
  notifier.command();
  EXPECT_THAT(first.notices, ElementsAre("refresh null", "command app null"));
}

TEST_F(NotifierTest, TheHostSendsNothingOnItsOwn) {
  shape_class* chosen[] = {joint.asShapeClass()};
  scene.setActiveShapes(1, chosen, 0);
  auto control = HostRef<JointControl>::adopt(elbow.asShapeClass()->jointControl(0));
  control->setValue(0.5F, 0);
  joint.asShapeClass()->remove(0);
  EXPECT_THAT(first.notices, IsEmpty());
}

TEST_F(NotifierTest, EchoedSelectionIsNotEchoedAgain) {
  notifier.detach(&second);
  notifier.setEchoActiveShapes(true);
  // Like the plug-in: make the reported shapes active again.
  first.onActiveShapes = [this](int count, shape_class* const* shapes) {
    std::vector<shape_class*> copy(shapes, shapes + count);
    scene.setActiveShapes(count, copy.data(), 0);
  };

  notifier.activeShapes({&joint});
  EXPECT_THAT(first.notices,
              ElementsAre("activeShapes scene joint1", "activeShapes scene joint1"));
  EXPECT_TRUE(host.journal().containsInOrder(
      {"Notice::activeShapes 1 joint1", "Scene::setActiveShapes 1 joint1",
       "Notice::activeShapes 1 joint1", "Scene::setActiveShapes 1 joint1"}));
  EXPECT_EQ(host.problems(), "") << "a copy of the notice's list is what the host wants";

  notifier.setEchoActiveShapes(false);
  first.notices.clear();
  notifier.activeShapes({&joint});
  EXPECT_THAT(first.notices, ElementsAre("activeShapes scene joint1"));
}

TEST_F(NotifierTest, TheNoticesOwnArrayIsNotAnActiveShapeList) {
  notifier.detach(&second);
  const struct {
    const char* title;
    int offset;  // where in the notice's array the plug-in's list starts
  } cases[] = {{"the array itself", 0}, {"a part of it", 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    host.protocol().clear();
    first.onActiveShapes = [this, &c](int count, shape_class* const* shapes) {
      scene.setActiveShapes(count - c.offset, shapes + c.offset, 0);
    };
    notifier.activeShapes({&joint, &elbow});
    EXPECT_THAT(
        host.protocolViolations(),
        ElementsAre(
            "Scene::setActiveShapes: given the notice's own shape array, not a copy"));
  }
}

TEST_F(NotifierTest, EchoedJointChanges) {
  notifier.setEchoJointChanges(true);
  {
    auto control = HostRef<JointControl>::adopt(joint.asShapeClass()->jointControl(0));
    const Quaternion turned{0.0F, 1.0F, 0.0F, 0.0F};
    control->setRotation(&turned, 0);
    control->setMin(-5.0F, 0);  // a range change is not echoed
  }
  EXPECT_THAT(first.notices, ElementsAre("shapesChanged scene joint1"));
  EXPECT_EQ(host.problems(), "");
}

}  // namespace
}  // namespace jolvent::standin
