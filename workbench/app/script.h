// The workbench's session scripts: one step a line, '#' starts a comment.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace jolvent::workbench {

struct ScriptStep {
  int line = 0;
  std::string verb;
  std::vector<std::string> arguments;  // the rest of the line, split on blanks
};

class ScriptError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// Every step of the text, checked: a line with an unknown verb or the wrong
// arguments throws ScriptError "line N: ...". `type` keeps the rest of its
// line, blanks included, as its second argument.
std::vector<ScriptStep> parseScript(const std::string& text);

}  // namespace jolvent::workbench
