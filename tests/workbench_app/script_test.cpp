#include "workbench/app/script.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace jolvent::workbench {
namespace {

TEST(Script, ParsesStepsWithTheirLines) {
  const std::vector<ScriptStep> steps =
      parseScript("# comment\nselect elbow_L\n\ndrag 1002 -40  # left\ntype 1013 1 2\n");
  ASSERT_EQ(steps.size(), 3U);
  EXPECT_EQ(steps[0].line, 2);
  EXPECT_EQ(steps[1].line, 4);
  EXPECT_EQ(steps[1].arguments, (std::vector<std::string>{"1002", "-40"}));
  EXPECT_EQ(steps[2].arguments, (std::vector<std::string>{"1013", "1 2"}));
}

TEST(Script, BadLinesAreNamedByNumber) {
  const struct {
    const char* text;
    const char* message;
  } cases[] = {
      {"command\nfly away\n", "line 2: unknown step 'fly'"},
      {"drag 1002\n", "line 1: 'drag' wants 2 argument(s)"},
      {"\n\nrecord maybe\n", "line 3: bad argument 'maybe'"},
      {"position x\n", "line 1: bad argument 'x'"},
      {"dump now\n", "line 1: unexpected 'now'"},
  };
  for (const auto& c : cases) {
    try {
      parseScript(c.text);
      ADD_FAILURE() << c.text;
    } catch (const ScriptError& error) {
      EXPECT_EQ(std::string(error.what()).rfind(c.message, 0), 0U) << error.what();
    }
  }
}

}  // namespace
}  // namespace jolvent::workbench
