// The headless controls answer and notify as the real ones do where the panel
// depends on them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/window_system/headless_fixture.h"
#include "window_system/trackbar.h"

namespace jolvent::test {
namespace {

using Controls = HeadlessTest;

TEST_F(Controls, KeysStepTheTrackbarAndReportEachStepThenTheEnd) {
  HWND dialog = create();
  HWND slider = windows.item(dialog, kSelectionSlider);
  windows.sendMessage(slider, TBM_SETRANGE, kRedraw, packTrackbarRange(-10, 10));
  windows.sendMessage(slider, TBM_SETPAGESIZE, 0, 4);
  delivered.clear();
  const struct {
    int key;
    int code;  // -1: none
    LRESULT position;
  } cases[] = {
      {VK_RIGHT, TB_LINEDOWN, 1}, {VK_LEFT, TB_LINEUP, 0}, {VK_NEXT, TB_PAGEDOWN, 4},
      {VK_PRIOR, TB_PAGEUP, 0},   {VK_END, TB_BOTTOM, 10}, {VK_DOWN, -1, 10},
      {VK_HOME, TB_TOP, -10},     {VK_UP, -1, -10},
  };
  for (const auto& entry : cases) {
    SCOPED_TRACE(entry.key);
    delivered.clear();
    windows.sendMessage(slider, WM_KEYDOWN, static_cast<WPARAM>(entry.key), 0);
    EXPECT_EQ(windows.sendMessage(slider, TBM_GETPOS, 0, 0), entry.position);
    if (entry.code < 0) {
      EXPECT_TRUE(delivered.empty());
    } else {
      ASSERT_EQ(delivered.size(), 1U);
      EXPECT_EQ(delivered[0].message, WM_HSCROLL);
      EXPECT_EQ(delivered[0].wParam, static_cast<WPARAM>(entry.code));
      EXPECT_EQ(delivered[0].lParam, reinterpret_cast<LPARAM>(slider));
    }
    delivered.clear();
    windows.sendMessage(slider, WM_KEYUP, static_cast<WPARAM>(entry.key), 0);
    ASSERT_EQ(delivered.size(), 1U);
    EXPECT_EQ(delivered[0].wParam, static_cast<WPARAM>(TB_ENDTRACK));
  }
}

TEST_F(Controls, ABoxNotifiesEveryTextSetFocusedOrNotAndTheLimitIsForTyping) {
  HWND dialog = create();
  HWND box = windows.item(dialog, kBox);
  windows.sendItemMessage(dialog, kBox, EM_LIMITTEXT, 3, 0);
  // Seen from inside the notification: the text is already there.
  std::string textAtChange;
  answer = [&](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> INT_PTR {
    if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) {
      EXPECT_EQ(lParam, reinterpret_cast<LPARAM>(box));
      char text[32];
      windows.itemText(window, LOWORD(wParam), text, sizeof text);
      textAtChange = text;
    }
    return 0;
  };
  delivered.clear();
  EXPECT_TRUE(windows.setItemText(dialog, kBox, "0.000000"));
  EXPECT_EQ(textAtChange, "0.000000");
  windows.giveFocus(box);
  windows.sendMessage(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("0.000000"));
  EXPECT_EQ(commands(), (std::vector<std::pair<int, int>>{{kBox, EN_UPDATE},
                                                          {kBox, EN_CHANGE},
                                                          {kBox, EN_SETFOCUS},
                                                          {kBox, EN_UPDATE},
                                                          {kBox, EN_CHANGE}}));
  EXPECT_EQ(windows.sendMessage(box, EM_GETLIMITTEXT, 0, 0), 3);
  EXPECT_EQ(windows.sendMessage(box, WM_GETTEXTLENGTH, 0, 0), 8);
}

TEST_F(Controls, TextIsReadIntoTheRoomThereIsAlwaysTerminated) {
  HWND dialog = create();
  windows.setItemText(dialog, kBox, "12.500000");
  const struct {
    int size;
    const char* text;
    int answer;
  } cases[] = {{32, "12.500000", 9},
               {10, "12.500000", 9},
               {9, "12.50000", 8},
               {4, "12.", 3},
               {1, "", 0}};
  for (const auto& entry : cases) {
    SCOPED_TRACE(entry.size);
    char text[33];
    std::fill(std::begin(text), std::end(text), 'x');
    EXPECT_EQ(windows.itemText(dialog, kBox, text, entry.size), entry.answer);
    EXPECT_STREQ(text, entry.text);
    EXPECT_EQ(text[entry.size], 'x') << "nothing written beyond the room";
  }
  char text[4] = "abc";
  EXPECT_EQ(windows.itemText(dialog, 999, text, sizeof text), 0);
  EXPECT_STREQ(text, "");
}

TEST_F(Controls, FocusMovesNotifyTheBoxLosingItThenTheOneGainingIt) {
  HWND dialog = create();
  HWND box = windows.item(dialog, kBox);
  HWND other = windows.item(dialog, kOtherBox);
  auto* host = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0xABC8));
  windows.setFocus(nullptr);
  delivered.clear();

  EXPECT_EQ(windows.setFocus(box), nullptr);
  EXPECT_EQ(windows.setFocus(other), box);
  EXPECT_EQ(windows.setFocus(other), other);  // no change, no notification
  EXPECT_EQ(windows.setFocus(host), other);   // a window the model never made
  EXPECT_EQ(windows.focusedWindow(), host);
  EXPECT_EQ(commands(), (std::vector<std::pair<int, int>>{{kBox, EN_SETFOCUS},
                                                          {kBox, EN_KILLFOCUS},
                                                          {kOtherBox, EN_SETFOCUS},
                                                          {kOtherBox, EN_KILLFOCUS}}));

  // A disabled window cannot keep the focus.
  windows.setFocus(box);
  delivered.clear();
  EXPECT_FALSE(windows.enableWindow(box, false));
  EXPECT_EQ(windows.focus(), nullptr);
  EXPECT_EQ(commands(), (std::vector<std::pair<int, int>>{{kBox, EN_KILLFOCUS}}));
  EXPECT_TRUE(windows.enableWindow(box, true)) << "answers that it was disabled";
  EXPECT_TRUE(windows.isEnabled(box));
}

TEST_F(Controls, ButtonsClickWhenEnabledAndAnAutoCheckBoxTogglesFirst) {
  const struct {
    int button;
    bool enabled;
    LRESULT checkBefore;
    LRESULT checkSeen;  // by the dialog at BN_CLICKED
    bool clicked;
  } cases[] = {
      {IDOK, true, BST_UNCHECKED, BST_UNCHECKED, true},
      {kCheckBox, true, BST_UNCHECKED, BST_CHECKED, true},
      {kCheckBox, true, BST_CHECKED, BST_UNCHECKED, true},
      {kCheckBox, false, BST_UNCHECKED, BST_UNCHECKED, false},
      {IDCANCEL, false, BST_UNCHECKED, BST_UNCHECKED, false},
  };
  for (const auto& entry : cases) {
    SCOPED_TRACE(testing::Message() << entry.button << (entry.enabled ? " on" : " off"));
    HWND dialog = create();
    HWND button = windows.item(dialog, entry.button);
    windows.sendMessage(button, BM_SETCHECK, static_cast<WPARAM>(entry.checkBefore), 0);
    windows.enableWindow(button, entry.enabled);
    LRESULT seen = -1;
    answer = [&](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> INT_PTR {
      if (message == WM_COMMAND) {
        EXPECT_EQ(wParam, MAKEWPARAM(entry.button, BN_CLICKED));
        EXPECT_EQ(lParam, reinterpret_cast<LPARAM>(button));
        seen = windows.sendItemMessage(window, entry.button, BM_GETCHECK, 0, 0);
      }
      return 0;
    };
    delivered.clear();
    windows.sendMessage(button, BM_CLICK, 0, 0);
    EXPECT_EQ(commands().size(), entry.clicked ? 1U : 0U);
    if (entry.clicked) {
      EXPECT_EQ(seen, entry.checkSeen);
    }
    answer = nullptr;
  }
  // A push button keeps no check.
  HWND dialog = create();
  windows.sendItemMessage(dialog, IDOK, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(windows.sendItemMessage(dialog, IDOK, BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

}  // namespace
}  // namespace jolvent::test
