// The scenarios' headless user works through a modal dialog step by step.
#include "tests/scenarios/headless_desktop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/window_system/headless_fixture.h"

namespace jolvent::test {
namespace {

class Desktop : public HeadlessTest {
protected:
  Desktop() {
    // A dialog that wants "5" in its box and says so otherwise.
    answer = [this](HWND window, UINT message, WPARAM wParam, LPARAM) -> INT_PTR {
      if (message == WM_INITDIALOG) windows.setItemText(window, kBox, "initial");
      if (message == WM_COMMAND && wParam == MAKEWPARAM(IDOK, BN_CLICKED)) {
        char text[12];
        windows.itemText(window, kBox, text, sizeof text);
        if (std::string(text) == "5") {
          windows.endDialog(window, 1);
        } else {
          windows.messageBox(window, "enter 5", "Error", MB_ICONINFORMATION);
        }
      }
      if (message == WM_COMMAND && wParam == MAKEWPARAM(IDCANCEL, BN_CLICKED)) {
        windows.endDialog(window, 0);
      }
      return 0;
    };
  }

  INT_PTR runModal() { return windows.dialogBox(nullptr, kTestDialog, owner, &proc, 0); }

  HWND owner = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0x7778));
  HeadlessDesktop desktop{windows};
};

TEST_F(Desktop, TakesTheStepsInOrderAndRecordsWhatItSaw) {
  desktop.scriptModal({typeStep(kBox, "x"), pressStep(IDOK), answerMessageBoxStep(),
                       typeStep(kBox, "5"), pressStep(IDOK)},
                      {kBox, kOtherBox});
  EXPECT_EQ(runModal(), 1);
  EXPECT_EQ(desktop.problems(), "");
  const std::vector<ModalSeen> modals = desktop.takeModalsSeen();
  ASSERT_EQ(modals.size(), 1U);
  EXPECT_EQ(modals[0].caption, "Test");
  EXPECT_EQ(modals[0].texts, (std::vector<std::string>{"initial", ""}));
  const std::vector<MessageBoxSeen> boxes = desktop.takeMessageBoxesSeen();
  ASSERT_EQ(boxes.size(), 1U);
  EXPECT_EQ(boxes[0].text, "enter 5");
  EXPECT_EQ(boxes[0].caption, "Error");
  EXPECT_EQ(boxes[0].type, MB_ICONINFORMATION);
  EXPECT_TRUE(desktop.takeModalsSeen().empty()) << "taken";
}

TEST_F(Desktop, ReportsAScriptThatRunsOutOrDoesNotFit) {
  const struct {
    const char* name;
    std::vector<DialogStep> steps;
  } cases[] = {
      {"runs out", {typeStep(kBox, "x")}},
      {"a box it did not expect",
       {typeStep(kBox, "x"), pressStep(IDOK), pressStep(IDOK)}},
      {"a box that never comes", {answerMessageBoxStep()}},
      {"no such box", {typeStep(999, "x")}},
  };
  for (const auto& entry : cases) {
    SCOPED_TRACE(entry.name);
    HeadlessWindowSystem fresh;
    fresh.addTemplate(dialogTemplate(0, 0));
    HeadlessDesktop user(fresh);
    user.scriptModal(entry.steps);
    auto previous = answer;
    answer = [&](HWND window, UINT message, WPARAM wParam, LPARAM) -> INT_PTR {
      if (message == WM_COMMAND && wParam == MAKEWPARAM(IDOK, BN_CLICKED)) {
        fresh.messageBox(window, "enter 5", "Error", MB_ICONINFORMATION);
      }
      if (message == WM_COMMAND && wParam == MAKEWPARAM(IDCANCEL, BN_CLICKED)) {
        fresh.endDialog(window, 0);
      }
      return 0;
    };
    EXPECT_EQ(fresh.dialogBox(nullptr, kTestDialog, owner, &proc, 0), 0) << "cancelled";
    EXPECT_NE(user.problems(), "");
    answer = previous;
  }
}

TEST_F(Desktop, SeesThePanelAndActsOnItAsAUser) {
  windows.addTemplate(dialogTemplate(0, WS_EX_TOOLWINDOW));
  EXPECT_EQ(desktop.panel(), nullptr);
  HWND panel = create(0, owner);
  EXPECT_EQ(desktop.panel(), panel);
  EXPECT_EQ(desktop.text(panel), "Test");
  EXPECT_EQ(desktop.text(desktop.item(panel, kBox)), "initial");
  delivered.clear();
  desktop.moveWindow(panel, 40, 50);
  EXPECT_EQ(desktop.rect(panel).left, 40);
  ASSERT_EQ(messages(), std::vector<UINT>{WM_MOVE});
  EXPECT_EQ(delivered[0].lParam, MAKELPARAM(43, 69));

  desktop.setControlKey(true);
  EXPECT_LT(windows.keyState(VK_CONTROL), 0);
  desktop.writeDword("Software\\KELMARO\\Jolvent10", "Pos", 7);
  EXPECT_EQ(desktop.readDword("Software\\KELMARO\\Jolvent10", "Pos"), 7U);
  desktop.deleteKey("Software\\KELMARO\\Jolvent10");
  EXPECT_EQ(desktop.readDword("Software\\KELMARO\\Jolvent10", "Pos"), std::nullopt);
  EXPECT_EQ(desktop.systemMetric(SM_CYSMCAPTION), 16);
  EXPECT_EQ(desktop.problems(), "");
}

}  // namespace
}  // namespace jolvent::test
