// The scene tree, handles, lookup by name, selection and shape creation.
#include "standin_host/scene.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/host_ref.h"
#include "host/shape.h"
#include "standin_host/standin_host.h"

namespace jolvent::standin {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class SceneTest : public ::testing::Test {
protected:
  StandInHost host;
  StandInScene& scene = host.scene();
};

TEST_F(SceneTest, HandlesAreWideDistinctAndNameTheirShapes) {
  Shape& a = scene.addPart("a");
  Shape& b = scene.addBallJoint("b", &a);
  Shape& c = scene.addLine("c", {}, &b);
  for (Shape* shape : {&a, &b, &c}) {
    EXPECT_NE(shape->handle(), 0U);
    // Wider than 32 bits, so a plug-in that truncates a handle finds nothing.
    EXPECT_GT(shape->handle(), 0xFFFFFFFFULL);
    EXPECT_EQ(scene.shapeByHandle(shape->handle(), 0), shape->asShapeClass());
    EXPECT_TRUE(scene.isValidHandle(shape->handle(), 0));
    EXPECT_EQ(shape->asShapeClass()->handle(0), shape->handle());
  }
  EXPECT_NE(a.handle(), b.handle());
  EXPECT_NE(b.handle(), c.handle());
  EXPECT_FALSE(scene.isValidHandle(0, 0));
  EXPECT_EQ(scene.shapeByHandle(0, 0), nullptr);
  EXPECT_FALSE(scene.isValidHandle(a.handle() & 0xFFFFFFFFULL, 0));
}

TEST_F(SceneTest, AHandleCanBeCalledInvalidWhileItsShapeIsStillFound) {
  Shape& joint = scene.addBallJoint("joint");
  scene.setHandleValid(joint.handle(), false);
  EXPECT_FALSE(scene.isValidHandle(joint.handle(), 0));
  EXPECT_EQ(scene.shapeByHandle(joint.handle(), 0), joint.asShapeClass());
  scene.setHandleValid(joint.handle(), true);
  EXPECT_TRUE(scene.isValidHandle(joint.handle(), 0));
}

TEST_F(SceneTest, RemovingInvalidatesHandlesButKeepsHeldShapesUsable) {
  Shape& part = scene.addPart("part");
  Shape& joint = scene.addBallJoint("joint", &part);
  Shape& line = scene.addLine("line", {{1, 2, 3}}, &joint);
  scene.select({&joint, &line});

  // The plug-in holds counted references across the removal.
  auto heldPart = HostRef<shape_class>::share(part.asShapeClass());
  auto heldJoint = HostRef<shape_class>::share(joint.asShapeClass());
  auto control = HostRef<JointControl>::adopt(joint.asShapeClass()->jointControl(0));

  part.asShapeClass()->remove(0);

  for (Shape* shape : {&part, &joint, &line}) {
    EXPECT_TRUE(shape->isRemoved()) << shape->name();
    EXPECT_FALSE(scene.isValidHandle(shape->handle(), 0)) << shape->name();
    EXPECT_EQ(scene.shapeByHandle(shape->handle(), 0), nullptr) << shape->name();
  }
  EXPECT_THAT(scene.root().children(), IsEmpty());
  EXPECT_THAT(scene.selection(), IsEmpty());
  EXPECT_EQ(scene.findByName("joint"), nullptr);

  // Still alive and answering through the references held.
  EXPECT_STREQ(heldJoint->name(0), "joint");
  EXPECT_EQ(heldJoint->parent(0), part.asShapeClass());
  control->setValue(0.25F, 0);
  EXPECT_EQ(joint.value(), 0.25F);
  // The removed subtree's top has no parent any more.
  EXPECT_EQ(heldPart->parent(0), nullptr);

  heldPart.reset();
  heldJoint.reset();
  control.reset();
  EXPECT_EQ(host.problems(), "");
}

TEST_F(SceneTest, RemoveThenUpdateParentOfTheFormerParent) {
  Shape& joint = scene.addBallJoint("joint");
  Shape& guide = scene.addPart("#Jolvent_Guide", &joint);
  shape_class* formerParent = guide.asShapeClass()->parent(0);
  ASSERT_EQ(formerParent, joint.asShapeClass());

  guide.asShapeClass()->remove(0);
  formerParent->updateParent(0);

  EXPECT_EQ(joint.updateParentCount(), 1);
  EXPECT_THAT(joint.children(), IsEmpty());
  EXPECT_EQ(host.problems(), "");
}

TEST_F(SceneTest, MisusedRemovalIsRecorded) {
  Shape& part = scene.addPart("part");
  part.asShapeClass()->remove(0);
  part.asShapeClass()->remove(0);
  part.asShapeClass()->updateParent(0);
  scene.root().asShapeClass()->remove(0);

  EXPECT_THAT(
      host.protocolViolations(),
      ElementsAre(
          "part_class part: shape_class::remove after it left the scene, with no "
          "reference held",
          "shape_class::remove: part was already removed",
          "part_class part: shape_class::updateParent after it left the scene, with no "
          "reference held",
          "shape_class::updateParent: part is no longer in the scene",
          "shape_class::remove: the root cannot be removed"));
  EXPECT_FALSE(scene.root().isRemoved());
}

TEST_F(SceneTest, FindShapeByNameTakesTheFirstInDepthFirstOrder) {
  // root
  //   a
  //     b
  //       x      <- first "x" in scene order
  //     x
  //   x
  //   y
  Shape& a = scene.addPart("a");
  Shape& b = scene.addPart("b", &a);
  Shape& deepX = scene.addPart("x", &b);
  scene.addLine("x", {}, &a);
  scene.addPart("x");
  Shape& y = scene.addBallJoint("y");
  Shape& removed = scene.addPart("gone", &y);
  removed.asShapeClass()->remove(0);

  struct Case {
    const char* name;
    const Shape* expected;
  };
  const Case cases[] = {
      {"x", &deepX},       {"a", &a},         {"b", &b},
      {"y", &y},           {"X", nullptr},    {"", nullptr},
      {"(root)", nullptr}, {"gone", nullptr}, {"xx", nullptr},
  };
  for (const Case& c : cases) {
    bool flag = false;
    shape_class* found = scene.findShapeByName(c.name, &flag);
    EXPECT_EQ(found, c.expected != nullptr ? c.expected->asShapeClass() : nullptr)
        << "'" << c.name << "'";
    EXPECT_FALSE(flag) << "'" << c.name << "'";
  }
  EXPECT_EQ(scene.findAllByName("x").size(), 3U);
  EXPECT_EQ(host.problems(), "");
}

TEST_F(SceneTest, NamesAreBytesAsGiven) {
  // Code page 932 text is kept byte for byte.
  const std::string sjis = "\x8A\xD6\x90\xDF";
  Shape& joint = scene.addBallJoint(sjis);
  EXPECT_STREQ(joint.asShapeClass()->name(0), sjis.c_str());
  bool flag = false;
  EXPECT_EQ(scene.findShapeByName(sjis.c_str(), &flag), joint.asShapeClass());
}

TEST_F(SceneTest, ShapeKindsAnswerAsConfigured) {
  Shape& part = scene.addPart("part");
  Shape& ball = scene.addBallJoint("ball");
  Shape& valued = scene.addValuedJoint("elbow", 13, 2.0F, 0.0F, 10.0F, 1.0F);
  Shape& line = scene.addLine("line");
  ball.setPartType(12);
  valued.setRotatorJoint(true);

  struct Case {
    Shape* shape;
    int shapeType;
    bool isPart;
    bool isBallJoint;
    bool isRotator;
    int partType;  // -1: not a part
  };
  const Case cases[] = {
      {&part, kShapeTypePart, true, false, false, kPlainPartType},
      {&ball, kShapeTypePart, true, true, false, 12},
      {&valued, kShapeTypePart, true, false, true, 13},
      {&line, kShapeTypeLine, false, false, false, -1},
  };
  for (const Case& c : cases) {
    shape_class* object = c.shape->asShapeClass();
    SCOPED_TRACE(c.shape->name());
    EXPECT_EQ(object->shapeType(0), c.shapeType);
    EXPECT_EQ(object->isPart(0), c.isPart);
    EXPECT_EQ(object->isBallJoint(0), c.isBallJoint);
    EXPECT_EQ(object->isRotatorJoint(0), c.isRotator);
    part_class* asPart = object->asPart(0);
    if (c.partType < 0) {
      EXPECT_EQ(asPart, nullptr);
    } else {
      ASSERT_NE(asPart, nullptr);
      EXPECT_EQ(asPart->partType(0), c.partType);
    }
  }
  EXPECT_NE(kShapeTypeLine, kShapeTypePart);
}

TEST_F(SceneTest, JointDataThroughTheJointObjects) {
  const Quaternion rotation{0.5F, 0.5F, 0.5F, 0.5F};
  Shape& ball = scene.addBallJoint("ball", nullptr, {10, 20, 30}, rotation);
  ball.setDefaultRotation({0.0F, 1.0F, 0.0F, 0.0F});
  Shape& elbow = scene.addValuedJoint("elbow", 2, 0.5F, -1.0F, 1.0F, 0.25F);

  auto frame = HostRef<BallJointFrame>::adopt(ball.asShapeClass()->ballJointFrame(0));
  Quaternion q;
  EXPECT_EQ(frame->jointRotation(&q, 0), &q);
  EXPECT_EQ(q.w, 0.5F);
  EXPECT_EQ(q.z, 0.5F);
  Vec3 centre;
  EXPECT_EQ(frame->jointCentre(&centre, 0), &centre);
  EXPECT_EQ(centre.y, 20.0F);

  auto ballControl = HostRef<JointControl>::adopt(ball.asShapeClass()->jointControl(0));
  const Quaternion turned{0.0F, 0.0F, 1.0F, 0.0F};
  ballControl->setRotation(&turned, 0);
  EXPECT_EQ(ball.rotation().y, 1.0F);
  EXPECT_EQ(ballControl->defaultRotation(&q, 0), &q);
  EXPECT_EQ(q.x, 1.0F);

  auto control = HostRef<JointControl>::adopt(elbow.asShapeClass()->jointControl(0));
  EXPECT_EQ(control->value(0), 0.5F);
  EXPECT_EQ(control->min(0), -1.0F);
  EXPECT_EQ(control->max(0), 1.0F);
  EXPECT_EQ(control->defaultValue(0), 0.25F);
  control->setMin(-2.0F, 0);
  control->setMax(3.0F, 0);
  control->setValue(5.0F, 0);  // not clamped: the host stores what it is given
  EXPECT_EQ(elbow.minimum(), -2.0F);
  EXPECT_EQ(elbow.maximum(), 3.0F);
  EXPECT_EQ(elbow.value(), 5.0F);
}

TEST_F(SceneTest, ParentsAndParts) {
  Shape& part = scene.addPart("part");
  Shape& line = scene.addLine("line", {}, &part);
  EXPECT_EQ(line.asShapeClass()->parent(0), part.asShapeClass());
  EXPECT_EQ(part.asShapeClass()->parent(0), scene.root().asShapeClass());
  EXPECT_EQ(scene.root().asShapeClass()->parent(0), nullptr);

  Matrix4 world = identityMatrix;
  world.at(3, 0) = 5.0F;
  part.setWorldMatrix(world);
  Matrix4 out;
  part.asPartClass()->worldMatrix(&out, 0);
  EXPECT_EQ(out.at(3, 0), 5.0F);
  EXPECT_FALSE(part.transformation().has_value());
  part.asPartClass()->setTransformation(&world, 0);
  ASSERT_TRUE(part.transformation().has_value());
  EXPECT_EQ(part.transformation()->at(3, 0), 5.0F);

  EXPECT_THROW(scene.addPart("inside a line", &line), std::invalid_argument);
}

TEST_F(SceneTest, SelectionIsCopiedAndActiveShapeIsTheFirst) {
  Shape& a = scene.addBallJoint("a");
  Shape& b = scene.addPart("b");
  shape_class* chosen[] = {b.asShapeClass(), a.asShapeClass()};
  scene.setActiveShapes(2, chosen, 0);
  chosen[0] = a.asShapeClass();  // the host keeps its own copy

  EXPECT_EQ(scene.activeShapeCount(0), 2);
  EXPECT_EQ(scene.activeShape(0, 0), b.asShapeClass());
  EXPECT_THAT(scene.selection(), ElementsAre(&b, &a));

  scene.setActiveShapes(0, nullptr, 0);
  EXPECT_EQ(scene.activeShapeCount(0), 0);
  EXPECT_EQ(host.problems(), "");
}

TEST_F(SceneTest, ActiveShapeWithNothingSelected) {
  // The root by default, so a caller that relies on a shape gets one...
  EXPECT_EQ(scene.activeShape(0, 0), scene.root().asShapeClass());
  EXPECT_EQ(scene.root().asShapeClass()->isBallJoint(0), false);
  // ...or null when a test asks for it.
  scene.setEmptySelection(EmptySelection::null);
  EXPECT_EQ(scene.activeShape(0, 0), nullptr);
}

TEST_F(SceneTest, SetActiveShapesDropsShapesNotInTheScene) {
  Shape& kept = scene.addPart("kept");
  Shape& gone = scene.addPart("gone");
  gone.asShapeClass()->remove(0);
  shape_class* chosen[] = {gone.asShapeClass(), kept.asShapeClass()};
  scene.setActiveShapes(2, chosen, 0);

  EXPECT_THAT(scene.selection(), ElementsAre(&kept));
  EXPECT_THAT(host.protocolViolations(),
              ElementsAre("Scene::setActiveShapes: gone is no longer in the scene"));
  EXPECT_THROW(scene.select({&gone}), std::invalid_argument);
}

// The axis guide's sequence of calls, as the plug-in makes it.
TEST_F(SceneTest, BuildingAPartWithLinesInsideACreationParent) {
  Shape& joint = scene.addBallJoint("joint1", nullptr, {10, 20, 30});
  scene.addPart("sibling", &joint);
  const std::size_t mark = host.journal().size();

  {
    scene.setCreationParent(joint.asShapeClass()->insideTarget(0), 0);
    auto part =
        HostRef<part_class>::adopt(scene.beginPart("#Jolvent_Guide", 0)->partShape(0));
    part->setPartOption(0, 0);
    struct LineCase {
      const char* name;
      Vec3 end;
      float rgb[3];
    };
    const LineCase lines[] = {{"G_Yaw", {10, 120, 30}, {0, 1, 0}},
                              {"R_Pitch", {110, 20, 30}, {1, 0, 0}}};
    std::vector<HostRef<line_class>> made;
    for (const LineCase& l : lines) {
      made.push_back(
          HostRef<line_class>::adopt(scene.beginLine(l.name, 0, 0)->lineShape(0)));
      const Vec3 start{10, 20, 30};
      scene.appendPoint(&start, &start, &start, &start, &start, 0);
      scene.appendPoint(&l.end, &l.end, &l.end, &l.end, &l.end, 0);
      made.back()->setLineColor(l.rgb, 0);
      scene.endLine(0);
    }
    made.clear();
    scene.endPart(0);
    part->setTransformation(&identityMatrix, 0);
  }
  scene.updateViews(0);

  Shape* guide = joint.child("#Jolvent_Guide");
  ASSERT_NE(guide, nullptr) << scene.describeTree();
  EXPECT_THAT(joint.childNames(), ElementsAre("sibling", "#Jolvent_Guide"));
  EXPECT_THAT(guide->childNames(), ElementsAre("G_Yaw", "R_Pitch"));
  EXPECT_THAT(guide->partOptions(), ElementsAre(0));
  EXPECT_EQ(guide->partType(), kPlainPartType);
  const Shape& yaw = *guide->child("G_Yaw");
  ASSERT_EQ(yaw.points().size(), 2U);
  EXPECT_EQ(yaw.points()[1].y, 120.0F);
  ASSERT_TRUE(yaw.colour().has_value());
  EXPECT_EQ(*yaw.colour(), (Rgb{0, 1, 0}));
  EXPECT_EQ(scene.updateViewsCount(), 1);

  EXPECT_THAT(
      host.journal().since(mark),
      ElementsAre(
          "shape_class::insideTarget joint1", "Scene::setCreationParent joint1",
          "Scene::beginPart #Jolvent_Guide", "PartBuilder::partShape #Jolvent_Guide",
          "part_class::setPartOption #Jolvent_Guide 0", "Scene::beginLine G_Yaw",
          "LineBuilder::lineShape G_Yaw", "Scene::appendPoint 10 20 30",
          "Scene::appendPoint 10 120 30", "line_class::setLineColor G_Yaw 0 1 0",
          "Scene::endLine", "Scene::beginLine R_Pitch", "LineBuilder::lineShape R_Pitch",
          "Scene::appendPoint 10 20 30", "Scene::appendPoint 110 20 30",
          "line_class::setLineColor R_Pitch 1 0 0", "Scene::endLine",
          "line_class::Release G_Yaw", "line_class::Release R_Pitch", "Scene::endPart",
          "part_class::setTransformation #Jolvent_Guide",
          "part_class::Release #Jolvent_Guide", "Scene::updateViews"));
  EXPECT_EQ(host.problems(), "");
}

TEST_F(SceneTest, CreationPlaces) {
  Shape& holder = scene.addPart("holder");
  // Without a creation parent new shapes go into the root.
  scene.beginLine("loose", 0, 0);
  scene.endLine(0);
  EXPECT_EQ(scene.findByName("loose")->parent(), &scene.root());

  // Parts nest; after the inner part ends its parent takes shapes again.
  scene.setCreationParent(holder.asShapeClass()->insideTarget(0), 0);
  scene.beginPart("outer", 0);
  scene.beginPart("inner", 0);
  scene.endPart(0);
  scene.beginLine("after inner", 0, 0);
  scene.endLine(0);
  scene.endPart(0);
  EXPECT_EQ(scene.describeTree(),
            "(root) [part type 0]\n"
            "  holder [part type 0]\n"
            "    outer [part type 0]\n"
            "      inner [part type 0]\n"
            "      after inner [line, 0 points]\n"
            "  loose [line, 0 points]\n");

  // A removed creation parent no longer takes shapes.
  holder.asShapeClass()->remove(0);
  EXPECT_EQ(&scene.creationParent(), &scene.root());
  EXPECT_EQ(host.problems(), "");
}

TEST_F(SceneTest, SettingsAnswerAsSet) {
  EXPECT_EQ(scene.guideScale(0), 1.0F);
  EXPECT_FALSE(scene.isMotionMode(0));
  EXPECT_NE(scene.mainWindow(0), nullptr);
  scene.setGuideScale(0.5F);
  scene.setMotionMode(true);
  scene.setMainWindowHandle(nullptr);
  EXPECT_EQ(scene.guideScale(0), 0.5F);
  EXPECT_TRUE(scene.isMotionMode(0));
  EXPECT_EQ(scene.mainWindow(0), nullptr);
}

}  // namespace
}  // namespace jolvent::standin
