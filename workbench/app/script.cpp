#include "workbench/app/script.h"

#include <cstdlib>
#include <sstream>

#include "workbench/app/script_steps.h"

namespace jolvent::workbench {

namespace {

bool isInteger(const std::string& word) {
  char* end = nullptr;
  std::strtol(word.c_str(), &end, 10);
  return !word.empty() && *end == '\0';
}

bool isNumber(const std::string& word) {
  char* end = nullptr;
  std::strtod(word.c_str(), &end);
  return !word.empty() && *end == '\0';
}

std::string trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

std::vector<ScriptStep> parseScript(const std::string& text) {
  std::vector<ScriptStep> steps;
  std::istringstream lines(text);
  std::string raw;
  int number = 0;
  while (std::getline(lines, raw)) {
    ++number;
    const std::string line = trimmed(raw.substr(0, raw.find('#')));
    if (line.empty()) continue;
    auto fail = [&](const std::string& why) {
      throw ScriptError("line " + std::to_string(number) + ": " + why + ": " + line);
    };
    std::istringstream words(line);
    ScriptStep step;
    step.line = number;
    words >> step.verb;
    const StepKind* kind = stepKindNamed(step.verb);
    if (kind == nullptr) fail("unknown step '" + step.verb + "'");
    for (const StepArgument argument : kind->arguments) {
      std::string word;
      if (argument == StepArgument::text) {
        std::getline(words, word);
        word = trimmed(word);
      } else {
        words >> word;
      }
      if (word.empty())
        fail("'" + step.verb + "' wants " + std::to_string(kind->arguments.size()) +
             " argument(s)");
      if ((argument == StepArgument::integer && !isInteger(word)) ||
          (argument == StepArgument::number && !isNumber(word)) ||
          (argument == StepArgument::onOff && word != "on" && word != "off"))
        fail("bad argument '" + word + "'");
      step.arguments.push_back(word);
    }
    std::string extra;
    if (words >> extra) fail("unexpected '" + extra + "'");
    steps.push_back(std::move(step));
  }
  return steps;
}

}  // namespace jolvent::workbench
