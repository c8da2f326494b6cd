// The edit bracket: how it is reached and what its record shows.
#include "standin_host/edit_bracket.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/host_ref.h"
#include "standin_host/standin_host.h"

namespace jolvent::standin {
namespace {

using ::testing::ElementsAreArray;

TEST(EditBracketTest, ReachedThroughTheWindowsView) {
  StandInHost host;
  auto window = HostRef<EditWindow>::adopt(host.app().editWindow(0));
  ASSERT_TRUE(window);
  ASSERT_NE(window->view, nullptr);
  EditController* controller = window->view->editController(0);
  ASSERT_NE(controller, nullptr);
  ASSERT_TRUE(controller->canBeginEdit(window.get()));
  controller->beginEdit(window.get());
  EXPECT_TRUE(host.editBracket().isOpen());
  controller->endEdit(window.get());
  window.reset();

  EXPECT_FALSE(host.editBracket().isOpen());
  EXPECT_EQ(host.editBracket().beginCount(), 1);
  EXPECT_EQ(host.editBracket().endCount(), 1);
  EXPECT_EQ(host.problems(), "");
}

TEST(EditBracketTest, RecordsCallsAndBreachesInOrder) {
  enum Step { can, begin, end, beginWithOtherWindow };
  struct Case {
    const char* title;
    bool answer;  // what canBeginEdit answers
    std::vector<Step> steps;
    std::vector<std::string> log;
    std::vector<std::string> violations;
    bool openAfter;
  };
  const Case cases[] = {
      {"a whole bracket",
       true,
       {can, begin, end},
       {"canBeginEdit true", "beginEdit", "endEdit"},
       {},
       false},
      {"refused: no bracket", true, {}, {}, {}, false},
      {"refused and not begun", false, {can}, {"canBeginEdit false"}, {}, false},
      {"begun although refused",
       false,
       {can, begin},
       {"canBeginEdit false", "beginEdit"},
       {"EditController::beginEdit: canBeginEdit did not answer true just before"},
       true},
      {"begun without asking",
       true,
       {begin},
       {"beginEdit"},
       {"EditController::beginEdit: canBeginEdit did not answer true just before"},
       true},
      {"begun twice",
       true,
       {can, begin, can, begin},
       {"canBeginEdit true", "beginEdit", "canBeginEdit true", "beginEdit"},
       {"EditController::beginEdit: a bracket is already open"},
       true},
      {"ended twice",
       true,
       {can, begin, end, end},
       {"canBeginEdit true", "beginEdit", "endEdit", "endEdit"},
       {"EditController::endEdit: no bracket is open"},
       false},
      {"another window",
       true,
       {can, beginWithOtherWindow},
       {"canBeginEdit true", "beginEdit"},
       {"EditController::beginEdit: not the edit window the host handed out"},
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title);
    StandInHost host;
    host.editBracket().setCanBeginEdit(c.answer);
    EditWindow* window = &host.editBracket().window();
    EditController* controller = window->view->editController(0);
    for (Step step : c.steps) {
      switch (step) {
        case can:
          controller->canBeginEdit(window);
          break;
        case begin:
          controller->beginEdit(window);
          break;
        case end:
          controller->endEdit(window);
          break;
        case beginWithOtherWindow:
          controller->beginEdit(nullptr);
          break;
      }
    }
    EXPECT_THAT(host.editBracket().log(), ElementsAreArray(c.log));
    EXPECT_THAT(host.protocolViolations(), ElementsAreArray(c.violations));
    EXPECT_EQ(host.editBracket().isOpen(), c.openAfter);
  }
}

}  // namespace
}  // namespace jolvent::standin
