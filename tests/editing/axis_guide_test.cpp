#include "editing/axis_guide.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editing/edit_state.h"
#include "math/matrix4.h"
#include "tests/editing/editing_fixture.h"

namespace jolvent {
namespace {

using test::EditingTest;

class AxisGuide : public EditingTest {
protected:
  // A ball joint at (10, 20, 30) inside a part, placed by a world matrix with
  // scale and translation.
  standin::Shape& placedJoint() {
    standin::Shape& arm = model().addPart("arm");
    standin::Shape& joint = model().addBallJoint("shoulder", &arm, {10, 20, 30});
    Matrix4 world = identityMatrix;
    world.at(0, 0) = world.at(1, 1) = world.at(2, 2) = 2;
    world.at(3, 0) = 5;
    world.at(3, 1) = 6;
    world.at(3, 2) = 7;
    joint.setWorldMatrix(world);
    editState().ballJointHandle = joint.handle();
    return joint;
  }

  std::vector<standin::Shape*> guides() { return model().findAllByName(kGuidePartName); }
};

struct Point {
  float x, y, z;
  friend bool operator==(const Point&, const Point&) = default;
};
std::vector<Point> pointsOf(const standin::Shape& line) {
  std::vector<Point> points;
  for (const Vec3& p : line.points()) points.push_back({p.x, p.y, p.z});
  return points;
}

TEST_F(AxisGuide, StandsAtTheJointWithThreeColouredAxisLines) {
  const struct {
    float guideScale;
    float length;
  } cases[] = {{1.0F, 100.0F}, {0.5F, 50.0F}};
  for (const auto& entry : cases) {
    SCOPED_TRACE(entry.guideScale);
    standin::Shape& joint = placedJoint();
    model().setGuideScale(entry.guideScale);
    const float l = entry.length;

    buildAxisGuide(scene());

    ASSERT_EQ(joint.childNames(), std::vector<std::string>{kGuidePartName});
    const standin::Shape& guide = *joint.child(kGuidePartName);
    ASSERT_EQ(guide.childNames(),
              (std::vector<std::string>{"G_Yaw", "R_Pitch", "B_Roll"}));
    const struct {
      const char* name;
      Point end;
      standin::Rgb colour;
    } lines[] = {
        {"G_Yaw", {10, 20 + l, 30}, {0, 1, 0}},
        {"R_Pitch", {10 + l, 20, 30}, {1, 0, 0}},
        {"B_Roll", {10, 20, 30 + l}, {0, 0, 1}},
    };
    for (const auto& line : lines) {
      const standin::Shape& shape = *guide.child(line.name);
      EXPECT_EQ(pointsOf(shape), (std::vector<Point>{{10, 20, 30}, line.end}))
          << line.name;
      ASSERT_TRUE(shape.colour().has_value());
      EXPECT_EQ(*shape.colour(), line.colour) << line.name;
    }
    EXPECT_EQ(guide.partOptions(), std::vector<int>{0});
    ASSERT_TRUE(guide.transformation().has_value());
    const Matrix4 expected = matrixInverse(joint.worldMatrix());
    for (int i = 0; i < 16; ++i)
      EXPECT_EQ(guide.transformation()->m[i], expected.m[i]) << i;
    EXPECT_EQ(guide.transformation()->at(3, 0), -2.5F);
    model().removeShape(*model().findByName("arm"));
  }
  EXPECT_EQ(model().updateViewsCount(), 2);
}

TEST_F(AxisGuide, MakesItsShapesInOrderEachLineClosedBeforeTheNext) {
  placedJoint();
  host.journal().clear();
  buildAxisGuide(scene());
  // The lines are released together after the third one is closed, before the
  // part; the frame is held to the end.
  const std::vector<std::string> expected = {
      "Scene::isValidHandle shoulder",
      "Scene::guideScale",
      "Scene::shapeByHandle shoulder",
      "shape_class::asPart shoulder",
      "part_class::worldMatrix shoulder",
      "shape_class::ballJointFrame shoulder",
      "BallJointFrame::jointCentre shoulder",
      "shape_class::insideTarget shoulder",
      "Scene::setCreationParent shoulder",
      "Scene::beginPart #Jolvent_Guide",
      "PartBuilder::partShape #Jolvent_Guide",
      "part_class::setPartOption #Jolvent_Guide 0",
      "Scene::beginLine G_Yaw",
      "LineBuilder::lineShape G_Yaw",
      "Scene::appendPoint 10 20 30",
      "Scene::appendPoint 10 120 30",
      "line_class::setLineColor G_Yaw 0 1 0",
      "Scene::endLine",
      "Scene::beginLine R_Pitch",
      "LineBuilder::lineShape R_Pitch",
      "Scene::appendPoint 10 20 30",
      "Scene::appendPoint 110 20 30",
      "line_class::setLineColor R_Pitch 1 0 0",
      "Scene::endLine",
      "Scene::beginLine B_Roll",
      "LineBuilder::lineShape B_Roll",
      "Scene::appendPoint 10 20 30",
      "Scene::appendPoint 10 20 130",
      "line_class::setLineColor B_Roll 0 0 1",
      "Scene::endLine",
      "line_class::Release B_Roll",
      "line_class::Release R_Pitch",
      "line_class::Release G_Yaw",
      "Scene::endPart",
      "part_class::setTransformation #Jolvent_Guide",
      "part_class::Release #Jolvent_Guide",
      "Scene::updateViews",
      "BallJointFrame::Release shoulder",
  };
  EXPECT_EQ(host.journal().entries(), expected);
}

TEST_F(AxisGuide, IsNotBuiltForAHandleTheSceneCallsInvalidThoughItsShapeIsFound) {
  standin::Shape& joint = placedJoint();
  model().setHandleValid(joint.handle(), false);
  ASSERT_EQ(scene().shapeByHandle(joint.handle(), 0), joint.asShapeClass());
  host.journal().clear();

  buildAxisGuide(scene());

  EXPECT_TRUE(guides().empty());
  EXPECT_EQ(host.journal().entries(),
            std::vector<std::string>{"Scene::isValidHandle shoulder"});
}

TEST_F(AxisGuide, IsNotBuiltWithoutALiveJoint) {
  standin::Shape& joint = placedJoint();
  model().removeShape(joint);
  buildAxisGuide(scene());
  editState().ballJointHandle = 0;
  buildAxisGuide(scene());
  EXPECT_TRUE(guides().empty());
  EXPECT_EQ(host.journal().count("Scene::beginPart #Jolvent_Guide"), 0U);
}

TEST_F(AxisGuide, ReleasesEverythingWhenAHostCallThrowsMidway) {
  for (const char* operation :
       {"BallJointFrame::jointCentre", "part_class::setPartOption", "Scene::appendPoint",
        "line_class::setLineColor", "Scene::endPart", "part_class::setTransformation",
        "Scene::updateViews"}) {
    placedJoint();
    host.failNext(operation);
    EXPECT_THROW(buildAxisGuide(scene()), const char*) << operation;
    EXPECT_EQ(host.outstandingReferences(), 0) << operation << host.outstandingListing();
    // Leave the host's creation state as a finished build would.
    while (model().lineOpen()) scene().endLine(0);
    while (!model().openParts().empty()) scene().endPart(0);
    model().removeShape(*model().findByName("arm"));
  }
}

TEST_F(AxisGuide, RemovalTakesTheFirstGuideInSceneOrder) {
  standin::Shape& first = model().addPart(kGuidePartName);
  standin::Shape& holder = model().addPart("holder");
  standin::Shape& second = model().addPart(kGuidePartName, &holder);

  removeAxisGuide(scene());

  EXPECT_TRUE(first.isRemoved());
  EXPECT_FALSE(second.isRemoved());
  EXPECT_EQ(model().root().updateParentCount(), 1);
  EXPECT_EQ(editState().removingGuide, 0);

  removeAxisGuide(scene());
  EXPECT_TRUE(second.isRemoved());
  EXPECT_EQ(holder.updateParentCount(), 1);
}

// Each host call of the removal with the removingGuide it was made under.
TEST_F(AxisGuide, RemovalRaisesRemovingGuideOnlyAroundTheDeletion) {
  const struct {
    const char* title;
    bool guidePresent;
    std::vector<std::string> calls;
  } cases[] = {
      {"a guide",
       true,
       {"0 Scene::findShapeByName #Jolvent_Guide", "0 shape_class::parent #Jolvent_Guide",
        "1 shape_class::remove #Jolvent_Guide", "1 shape_class::updateParent (root)"}},
      {"no guide", false, {"0 Scene::findShapeByName #Jolvent_Guide"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    if (c.guidePresent) model().addPart(kGuidePartName);
    std::vector<std::string> calls;
    host.journal().setWatcher([&calls](const std::string& entry) {
      calls.push_back(std::to_string(editState().removingGuide) + " " + entry);
    });

    removeAxisGuide(scene());

    host.journal().setWatcher(nullptr);
    EXPECT_EQ(calls, c.calls);
    EXPECT_EQ(editState().removingGuide, 0);
    EXPECT_TRUE(guides().empty());
  }
}

TEST_F(AxisGuide, RemovingGuideIsRaisedOnlyWhileTheGuideIsDeleted) {
  std::vector<int> seenWhileRemoving;
  model().setRemovedHook(
      [&](standin::Shape&) { seenWhileRemoving.push_back(editState().removingGuide); });
  model().addPart(kGuidePartName);

  removeAxisGuide(scene());
  EXPECT_EQ(seenWhileRemoving, std::vector<int>{1});
  EXPECT_EQ(editState().removingGuide, 0);

  // Names that only look alike are not the guide.
  model().addPart("#Jolvent_Guide2");
  model().addPart("Jolvent_Guide");
  removeAxisGuide(scene());
  EXPECT_EQ(seenWhileRemoving, std::vector<int>{1});
  EXPECT_EQ(host.journal().startingWith("shape_class::remove").size(), 1U);
}

TEST_F(AxisGuide, RemovingGuideFallsBackEvenWhenRemovalThrows) {
  for (const char* operation : {"shape_class::remove", "shape_class::updateParent"}) {
    model().addPart(kGuidePartName);
    host.failNext(operation);
    EXPECT_THROW(removeAxisGuide(scene()), const char*);
    EXPECT_EQ(editState().removingGuide, 0) << operation;
  }
}

}  // namespace
}  // namespace jolvent
