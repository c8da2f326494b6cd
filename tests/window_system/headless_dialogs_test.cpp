// Dialogs of the headless window system: creation from templates, geometry
// and moves, modal runs with their scripted users, message boxes, timers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/window_system/headless_fixture.h"

namespace jolvent::test {
namespace {

using Dialogs = HeadlessTest;

HWND outside() {
  return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0x51238));
}

TEST_F(Dialogs, CreationMakesEveryControlAndInitialisesBeforeAnswering) {
  HWND dialog = create(1234);
  ASSERT_NE(dialog, nullptr);
  ASSERT_FALSE(delivered.empty());
  EXPECT_EQ(delivered[0].message, WM_INITDIALOG);
  EXPECT_EQ(delivered[0].lParam, 1234);
  EXPECT_EQ(delivered[0].wParam,
            reinterpret_cast<WPARAM>(windows.item(dialog, kSelectionSlider)))
      << "the first tab stop";
  EXPECT_FALSE(windows.isVisible(dialog)) << "hidden without WS_VISIBLE";
  EXPECT_EQ(windows.text(dialog), "Test");

  for (int id :
       {kSelectionSlider, kPlainSlider, kBox, kOtherBox, IDOK, IDCANCEL, kCheckBox}) {
    HWND control = windows.dialogItem(dialog, id);
    ASSERT_NE(control, nullptr) << id;
    EXPECT_EQ(windows.controlId(control), id);
  }
  EXPECT_EQ(windows.window(dialog)->children.size(), 9U) << "statics without ids too";
  EXPECT_EQ(windows.text(windows.item(dialog, -1)), "first");
  EXPECT_EQ(windows.dialogItem(dialog, 999), nullptr);
  EXPECT_EQ(windows.dialogItem(nullptr, IDOK), nullptr);

  EXPECT_EQ(windows.createDialog(nullptr, 555, nullptr, &proc, 0), nullptr);
  EXPECT_NE(windows.problems().find("555"), std::string::npos);
}

TEST_F(Dialogs, AnInitialisationAskingForFocusPutsItOnTheFirstTabStop) {
  answer = [](HWND, UINT message, WPARAM, LPARAM) -> INT_PTR {
    return message == WM_INITDIALOG ? 1 : 0;
  };
  HWND dialog = create();
  EXPECT_EQ(windows.focus(), windows.item(dialog, kSelectionSlider));
}

TEST_F(Dialogs, TheWindowIsTheClientInDialogUnitsPlusTheCaptionedFrame) {
  const struct {
    DWORD style;
    DWORD exStyle;
    int captionHeight;
  } cases[] = {{0, WS_EX_TOOLWINDOW, 16}, {0, 0, 19}};
  for (const auto& entry : cases) {
    SCOPED_TRACE(entry.captionHeight);
    windows.addTemplate(dialogTemplate(entry.style, entry.exStyle));
    HWND dialog = create();
    const RECT r = windows.rect(dialog);
    const int clientWidth = 100 * HeadlessWindowSystem::kBaseUnitX / 4;
    const int clientHeight = 40 * HeadlessWindowSystem::kBaseUnitY / 8;
    EXPECT_EQ(r.right - r.left, clientWidth + 2 * 3);
    EXPECT_EQ(r.bottom - r.top, clientHeight + 3 + entry.captionHeight + 3);
    EXPECT_EQ(r.left, 4 * HeadlessWindowSystem::kBaseUnitX / 4);
    EXPECT_EQ(r.top, 8 * HeadlessWindowSystem::kBaseUnitY / 8);
    // A control sits in the client area.
    const RECT slider = windows.rect(windows.item(dialog, kSelectionSlider));
    EXPECT_EQ(slider.left, r.left + 3 + 10 * HeadlessWindowSystem::kBaseUnitX / 4);
    EXPECT_EQ(slider.top, r.top + 3 + entry.captionHeight);
  }
}

TEST_F(Dialogs, DsCenterCentresTheWindowOnTheScreen) {
  windows.addTemplate(dialogTemplate(DS_CENTER, WS_EX_TOOLWINDOW));
  const RECT r = windows.rect(create());
  EXPECT_EQ(r.left, (1280 - (r.right - r.left)) / 2);
  EXPECT_EQ(r.top, (1024 - (r.bottom - r.top)) / 2);
}

TEST_F(Dialogs, MovesReportTheClientOriginAndSizesDoNot) {
  const struct {
    const char* name;
    DWORD exStyle;
    UINT flags;
    int x, y, width, height;
    bool moved;
    int clientX, clientY;
  } cases[] = {
      {"tool window move", WS_EX_TOOLWINDOW, SWP_NOSIZE | SWP_NOZORDER, 100, 200, 0, 0,
       true, 103, 219},
      {"captioned move", 0, SWP_NOSIZE | SWP_NOZORDER, 100, 200, 0, 0, true, 103, 222},
      {"resize only", WS_EX_TOOLWINDOW, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE, 500,
       500, 120, 22, false, 0, 0},
      {"off the left edge", WS_EX_TOOLWINDOW, SWP_NOSIZE, -10, 5, 0, 0, true, -7, 24},
  };
  for (const auto& entry : cases) {
    SCOPED_TRACE(entry.name);
    windows.addTemplate(dialogTemplate(0, entry.exStyle));
    HWND dialog = create();
    const RECT before = windows.rect(dialog);
    delivered.clear();
    EXPECT_TRUE(windows.setWindowPos(dialog, nullptr, entry.x, entry.y, entry.width,
                                     entry.height, entry.flags));
    const RECT after = windows.rect(dialog);
    if (entry.moved) {
      EXPECT_EQ(after.left, entry.x);
      EXPECT_EQ(after.top, entry.y);
      EXPECT_EQ(after.right - after.left, before.right - before.left);
      ASSERT_EQ(messages(), std::vector<UINT>{WM_MOVE});
      EXPECT_EQ(delivered[0].lParam, MAKELPARAM(static_cast<unsigned>(entry.clientX),
                                                static_cast<unsigned>(entry.clientY)));
    } else {
      EXPECT_EQ(after.left, before.left);
      EXPECT_EQ(after.right - after.left, entry.width);
      EXPECT_EQ(after.bottom - after.top, entry.height);
      EXPECT_TRUE(delivered.empty());
    }
  }
  // Moving to where it is already reports nothing.
  HWND dialog = create();
  const RECT r = windows.rect(dialog);
  delivered.clear();
  windows.moveWindow(dialog, r.left, r.top);
  EXPECT_TRUE(delivered.empty());
}

TEST_F(Dialogs, AMoveDuringInitialisationIsReportedAfterIt) {
  answer = [this](HWND window, UINT message, WPARAM, LPARAM) -> INT_PTR {
    if (message == WM_INITDIALOG) {
      windows.setWindowPos(window, nullptr, 50, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
    return 0;
  };
  create();
  EXPECT_EQ(messages(), (std::vector<UINT>{WM_INITDIALOG, WM_MOVE}));
}

TEST_F(Dialogs, AModalRunDisablesTheOwnerAndHandsBackTheResult) {
  HWND owner = outside();
  HWND running = nullptr;
  bool ownerEnabledInside = true;
  windows.setModalUser([&](HWND dialog) {
    running = dialog;
    ownerEnabledInside = windows.isEnabled(owner);
    windows.sendMessage(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  });
  answer = [this](HWND window, UINT message, WPARAM wParam, LPARAM) -> INT_PTR {
    if (message == WM_COMMAND && wParam == IDOK) windows.endDialog(window, 5);
    return 0;
  };
  EXPECT_EQ(windows.dialogBox(nullptr, kTestDialog, owner, &proc, 77), 5);
  EXPECT_FALSE(ownerEnabledInside);
  EXPECT_TRUE(windows.isEnabled(owner));
  EXPECT_EQ(windows.window(running), nullptr) << "destroyed";
  EXPECT_EQ(windows.problems(), "");
  EXPECT_EQ(messages(), (std::vector<UINT>{WM_INITDIALOG, WM_ACTIVATE, WM_COMMAND,
                                           WM_ACTIVATE, WM_DESTROY}));
  EXPECT_EQ(delivered[0].lParam, 77);
  EXPECT_EQ(delivered[1].wParam, WA_ACTIVE);
  EXPECT_EQ(delivered[1].lParam, reinterpret_cast<LPARAM>(owner));
  EXPECT_EQ(delivered[3].wParam, WA_INACTIVE);
  EXPECT_EQ(delivered[3].lParam, reinterpret_cast<LPARAM>(owner));
}

TEST_F(Dialogs, AModalLeftOpenIsCancelledAndReported) {
  const struct {
    const char* name;
    bool user;
    bool endsOnCancel;
    INT_PTR result;
  } cases[] = {
      {"no user", false, true, IDCANCEL},
      {"an idle user", true, true, IDCANCEL},
      {"a dialog deaf to Cancel", true, false, -1},
  };
  for (const auto& entry : cases) {
    SCOPED_TRACE(entry.name);
    HeadlessWindowSystem fresh;
    fresh.addTemplate(dialogTemplate(0, 0));
    if (entry.user) fresh.setModalUser([](HWND) {});
    answer = [&](HWND window, UINT message, WPARAM wParam, LPARAM) -> INT_PTR {
      if (message == WM_COMMAND && wParam == MAKEWPARAM(IDCANCEL, BN_CLICKED) &&
          entry.endsOnCancel) {
        fresh.endDialog(window, IDCANCEL);
      }
      return 0;
    };
    EXPECT_EQ(fresh.dialogBox(nullptr, kTestDialog, outside(), &proc, 0), entry.result);
    EXPECT_NE(fresh.problems(), "");
    EXPECT_TRUE(fresh.isEnabled(outside()));
    EXPECT_TRUE(fresh.dialogs().empty());
  }
}

TEST_F(Dialogs, ModalsNestAndEachOwnerComesBackEnabled) {
  HWND owner = outside();
  std::vector<HWND> seen;
  windows.setModalUser([&](HWND dialog) {
    seen.push_back(dialog);
    if (seen.size() == 1) {
      EXPECT_EQ(windows.dialogBox(nullptr, kTestDialog, dialog, &proc, 0), 2);
      EXPECT_TRUE(windows.isEnabled(dialog));
      windows.endDialog(dialog, 1);
    } else {
      EXPECT_FALSE(windows.isEnabled(seen[0]));
      windows.endDialog(dialog, 2);
    }
  });
  EXPECT_EQ(windows.dialogBox(nullptr, kTestDialog, owner, &proc, 0), 1);
  EXPECT_EQ(seen.size(), 2U);
  EXPECT_EQ(windows.problems(), "");
  EXPECT_TRUE(windows.isEnabled(owner));
}

TEST_F(Dialogs, AMessageBoxOverAModalDeactivatesItMeanwhile) {
  HeadlessWindowSystem::MessageBoxRecord asked;
  windows.setMessageBoxUser([&](const HeadlessWindowSystem::MessageBoxRecord& box) {
    asked = box;
    return IDCANCEL;
  });
  int answered = 0;
  size_t before = 0;
  windows.setModalUser([&](HWND dialog) {
    before = delivered.size();
    EXPECT_FALSE(windows.isEnabled(outside()));
    answered = windows.messageBox(dialog, "text", "Error", MB_ICONINFORMATION);
    windows.endDialog(dialog, 1);
  });
  windows.dialogBox(nullptr, kTestDialog, outside(), &proc, 0);
  EXPECT_EQ(answered, IDCANCEL);
  EXPECT_EQ(asked.text, "text");
  EXPECT_EQ(asked.caption, "Error");
  EXPECT_EQ(asked.type, MB_ICONINFORMATION);
  ASSERT_GE(delivered.size(), before + 2);
  const Delivered& inactive = delivered[before];
  const Delivered& active = delivered[before + 1];
  EXPECT_EQ(inactive.message, WM_ACTIVATE);
  EXPECT_EQ(inactive.wParam, WA_INACTIVE);
  EXPECT_NE(inactive.lParam, 0) << "the box";
  EXPECT_EQ(active.message, WM_ACTIVATE);
  EXPECT_EQ(active.wParam, WA_ACTIVE);
  EXPECT_EQ(windows.messageBoxes().size(), 1U);

  HeadlessWindowSystem fresh;
  EXPECT_EQ(fresh.messageBox(nullptr, "x", "y", MB_OK), IDOK);
  EXPECT_NE(fresh.problems(), "") << "nobody answered";
}

TEST_F(Dialogs, TimersFireAtEachDuePeriodInTimeOrder) {
  HWND dialog = create();
  EXPECT_EQ(windows.setTimer(dialog, 1, 100), 1U);
  EXPECT_EQ(windows.setTimer(dialog, 2, 250), 2U);
  delivered.clear();
  windows.elapse(500);
  std::vector<WPARAM> ids;
  for (const Delivered& d : delivered) {
    EXPECT_EQ(d.message, WM_TIMER);
    ids.push_back(d.wParam);
  }
  EXPECT_EQ(ids, (std::vector<WPARAM>{1, 1, 2, 1, 1, 1, 2}));

  // Setting the same id again replaces it; a kill stops it.
  windows.elapse(50);
  windows.setTimer(dialog, 1, 100);
  EXPECT_TRUE(windows.killTimer(dialog, 2));
  EXPECT_FALSE(windows.killTimer(dialog, 2));
  delivered.clear();
  windows.elapse(99);
  EXPECT_TRUE(delivered.empty());
  windows.elapse(1);
  EXPECT_EQ(delivered.size(), 1U);

  // Too short a period runs at the minimum; destroying the window ends it.
  windows.setTimer(dialog, 3, 1);
  delivered.clear();
  windows.elapse(HeadlessWindowSystem::kMinimumTimerPeriod);
  EXPECT_EQ(messages(), std::vector<UINT>{WM_TIMER});
  windows.destroyWindow(dialog);
  delivered.clear();
  windows.elapse(1000);
  EXPECT_TRUE(delivered.empty());
}

TEST_F(Dialogs, DestroyingADialogTakesItsControlsAndTheFocusInside) {
  HWND dialog = create();
  HWND box = windows.item(dialog, kBox);
  windows.giveFocus(box);
  delivered.clear();
  EXPECT_TRUE(windows.destroyWindow(dialog));
  EXPECT_EQ(messages().back(), WM_DESTROY);
  EXPECT_EQ(windows.window(box), nullptr);
  EXPECT_EQ(windows.focus(), nullptr);
  EXPECT_FALSE(windows.destroyWindow(dialog));
  EXPECT_FALSE(windows.isEnabled(box)) << "a gone window is no window";
}

TEST_F(Dialogs, ShowingAndEnablingAnswerThePreviousState) {
  HWND dialog = create();
  EXPECT_FALSE(windows.showWindow(dialog, SW_SHOW));
  EXPECT_TRUE(windows.isVisible(dialog));
  EXPECT_TRUE(windows.isVisible(windows.item(dialog, kBox)));
  EXPECT_TRUE(windows.showWindow(dialog, SW_HIDE));
  EXPECT_FALSE(windows.isVisible(windows.item(dialog, kBox))) << "its parent is hidden";

  EXPECT_FALSE(windows.enableWindow(outside(), false));
  EXPECT_FALSE(windows.isEnabled(outside()));
  EXPECT_TRUE(windows.enableWindow(outside(), true));
}

TEST_F(Dialogs, KeysCursorAndMetricsAreWhatTheTestSet) {
  EXPECT_EQ(windows.keyState(VK_CONTROL), 0);
  windows.setKeyDown(VK_CONTROL, true);
  EXPECT_LT(windows.keyState(VK_CONTROL), 0);
  windows.setKeyDown(VK_CONTROL, false);
  EXPECT_EQ(windows.keyState(VK_CONTROL), 0);

  windows.setCursorPos(2000, -5);
  POINT point{};
  ASSERT_TRUE(windows.cursorPos(&point));
  EXPECT_EQ(point.x, 1279);
  EXPECT_EQ(point.y, 0);

  const struct {
    int index;
    int value;
  } metrics[] = {{SM_CXSCREEN, 1280}, {SM_CYSCREEN, 1024}, {SM_CXDLGFRAME, 3},
                 {SM_CYDLGFRAME, 3},  {SM_CYCAPTION, 19},  {SM_CYSMCAPTION, 16}};
  for (const auto& entry : metrics) {
    EXPECT_EQ(windows.systemMetric(entry.index), entry.value) << entry.index;
  }
}

}  // namespace
}  // namespace jolvent::test
