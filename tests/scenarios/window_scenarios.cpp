// The panel window: its remembered position, AutoShade, closing, unloading,
// and a host failure inside its procedure.
#include <set>
#include <string>

#include "tests/scenarios/scenario.h"

namespace jolvent::test {
namespace {

using namespace ids;

DWORD packed(int x, int y) {
  return (static_cast<DWORD>(y) & 0xFFFFU) << 16U | (static_cast<DWORD>(x) & 0xFFFFU);
}

class PanelWindow : public PanelScenario {
protected:
  // The module is unloaded and loaded again, as by a new session of the host.
  void reload() {
    session.reset();
    session.emplace(host);
    openScene();
  }
  int screenWidth() { return desktop().systemMetric(SM_CXSCREEN); }
  int screenHeight() { return desktop().systemMetric(SM_CYSCREEN); }
  static int width(const RECT& r) { return r.right - r.left; }
  static int height(const RECT& r) { return r.bottom - r.top; }
};

// Page and line steps, tics and text limits as the set-up asks the controls
// for them; the Joint slider's line step follows the kind of the shape active
// when the panel is made.
TEST_F(PanelWindow, TheSetUpGivesEachControlItsStepsTicsAndTextLimit) {
  const struct {
    int kind;
    LRESULT jointLineSize;
  } cases[] = {{13, 100}, {3, 1}};
  for (const auto& entry : cases) {
    SCOPED_TRACE(entry.kind);
    standin::Shape& joint = scene().addValuedJoint("joint", entry.kind, 1, 0, 10);
    scene().select({&joint});
    reload();
    ASSERT_NE(panel(), nullptr);
    auto ask = [this](int id, UINT message, WPARAM wParam = 0) {
      return desktop().send(item(id), message, wParam, 0);
    };
    for (int slider : {kPitchSlider, kYawSlider, kRollSlider}) {
      EXPECT_EQ(ask(slider, TBM_GETPAGESIZE), 30) << slider;
      EXPECT_EQ(ask(slider, TBM_GETLINESIZE), 1) << slider;
      EXPECT_EQ(ask(slider, TBM_GETNUMTICS), 5) << slider << ": three tics and the ends";
      // The trackbar keeps its tics in an order of its own.
      std::set<LRESULT> tics;
      for (WPARAM index = 0; index < 3; ++index)
        tics.insert(ask(slider, TBM_GETTIC, index));
      EXPECT_EQ(tics, (std::set<LRESULT>{-180, 0, 180})) << slider;
    }
    EXPECT_EQ(ask(kJointSlider, TBM_GETPAGESIZE), 10);
    EXPECT_EQ(ask(kJointSlider, TBM_GETLINESIZE), entry.jointLineSize);
    EXPECT_EQ(ask(kJointSlider, TBM_GETNUMTICS), 2) << "only the ends";
    for (int box : {kPitchBox, kYawBox, kRollBox, kJointBox})
      EXPECT_EQ(ask(box, EM_GETLIMITTEXT), 11) << box;
    scene().removeShape(joint);
  }
}

TEST_F(PanelWindow, ARememberedPositionIsUsedOnlyWhereThePanelFitsTheScreen) {
  openScene();
  const RECT first = desktop().rect(panel());
  const int w = width(first), h = height(first);
  EXPECT_EQ(first.left, screenWidth() / 2 - w / 2) << "no position stored: centred";
  EXPECT_EQ(first.top, screenHeight() / 2 - h / 2);

  const struct {
    int x, y;
    bool used;
  } cases[] = {
      {screenWidth() - w, screenHeight() - h, true},
      {screenWidth() - w + 1, 10, false},
      {10, screenHeight() - h + 1, false},
      {0xFFFF, 0, false},  // partly off the left edge: wrapped to a large number
      {40, 50, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
    desktop().writeDword(kPanelKey, "Pos", packed(c.x, c.y));
    reload();
    const RECT placed = desktop().rect(panel());
    EXPECT_EQ(placed.left, c.used ? c.x : first.left);
    EXPECT_EQ(placed.top, c.used ? c.y : first.top);
  }
}

TEST_F(PanelWindow, AMoveIsWrittenAsTheOuterCornerAndReopensWithoutDrift) {
  openScene();
  command();
  desktop().moveWindow(panel(), 100, 200);
  EXPECT_EQ(desktop().readDword(kPanelKey, "Pos"), packed(100, 200));
  for (int reopening = 0; reopening < 3; ++reopening) {
    reload();
    const RECT placed = desktop().rect(panel());
    EXPECT_EQ(placed.left, 100);
    EXPECT_EQ(placed.top, 200);
  }
}

TEST_F(PanelWindow, AutoShadeRollsThePanelUpWhileTheCursorIsAwayAndRestoresIt) {
  desktop().writeDword(kPanelKey, "Pos", packed(300, 300));
  openScene();
  command();
  const RECT full = desktop().rect(panel());
  const int captionOnly =
      desktop().systemMetric(SM_CYSMCAPTION) + 2 * desktop().systemMetric(SM_CYDLGFRAME);

  press(kAutoShade);
  desktop().setCursor(5, 5);
  desktop().elapse(250);
  RECT rolled = desktop().rect(panel());
  EXPECT_EQ(width(rolled), 120);
  EXPECT_EQ(height(rolled), captionOnly);
  EXPECT_EQ(rolled.left, full.left) << "the position stays";

  desktop().setCursor(full.left + 2, full.top + 2);
  desktop().elapse(250);
  EXPECT_EQ(width(desktop().rect(panel())), width(full));
  EXPECT_EQ(height(desktop().rect(panel())), height(full));

  press(kAutoShade);  // off: the timer stops
  desktop().setCursor(5, 5);
  desktop().elapse(250);
  EXPECT_EQ(height(desktop().rect(panel())), height(full));
}

TEST_F(PanelWindow, CloseHidesThePanelRemovesTheGuideAndClosesTheBracketOnce) {
  standin::Shape& joint = scene().addBallJoint("neck");
  openPanelOn({&joint});
  ASSERT_EQ(guides().size(), 1U);

  desktop().send(panel(), WM_COMMAND, IDCANCEL, 0);  // the caption's close box

  EXPECT_FALSE(desktop().visible(panel()));
  EXPECT_TRUE(guides().empty());
  EXPECT_EQ(host.editBracket().endCount(), 1);
  host.app().closeScene();
  host.notifier().sceneClosed();
  host.notifier().sceneClosed();
  EXPECT_EQ(host.editBracket().endCount(), 1);
}

TEST_F(PanelWindow,
       UnloadingTheModuleWithThePanelShownAndAutoShadeOnLeavesNothingRunning) {
  standin::Shape& joint = scene().addBallJoint("neck");
  openPanelOn({&joint});
  press(kAutoShade);
  desktop().setCursor(5, 5);
  desktop().elapse(150);

  session->unload();

  EXPECT_EQ(panel(), nullptr) << "the window went with the module";
  desktop().elapse(250);  // no timer is left to call into the unloaded module
  EXPECT_EQ(host.outstandingReferences(), 0) << host.outstandingListing();
}

// A host operation that throws inside the panel's procedure ends that
// message there: the counted references it held are released, and the panel
// goes on working with the next message.
TEST_F(PanelWindow, AHostFailureInsideTheProcedureReleasesEverythingAndThePanelGoesOn) {
  standin::Shape& joint = scene().addBallJoint("neck");
  openPanelOn({&joint});
  host.failNext("JointControl::setRotation");

  drag(kYawSlider, {10});

  EXPECT_EQ(host.faults().thrownCount(), 1);
  EXPECT_EQ(host.outstandingReferences(), 0) << host.outstandingListing();
  drag(kYawSlider, {20});
  EXPECT_EQ(text(kYawBox), "20.000000");
  ASSERT_EQ(storedFloats(joint).size(), 9U);
  EXPECT_EQ(storedFloats(joint)[6], 20);
}

}  // namespace
}  // namespace jolvent::test
