#include "workbench/app/script.h"

#include <cstdlib>
#include <sstream>

namespace jolvent::workbench {

namespace {

enum class Arg { name, integer, number, onOff, text };

struct Verb {
  const char* name;
  std::vector<Arg> arguments;
};

const std::vector<Verb>& verbs() {
  static const std::vector<Verb> table = {
      {"select", {Arg::name}},
      {"click-joint", {Arg::name}},
      {"command", {}},
      {"attribute", {}},
      {"joint-drop", {}},
      {"refresh", {}},
      {"drag", {Arg::integer, Arg::integer}},
      {"ctrl-drag", {Arg::integer}},
      {"dialog", {Arg::number, Arg::number, Arg::number}},
      {"answer", {}},
      {"type", {Arg::integer, Arg::text}},
      {"press", {Arg::integer}},
      {"record", {Arg::onOff}},
      {"position", {Arg::integer}},
      {"play", {}},
      {"save", {Arg::name}},
      {"open", {Arg::name}},
      {"screenshot", {Arg::name}},
      {"plugins", {Arg::name}},
      {"dump", {}},
  };
  return table;
}

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
    const Verb* verb = nullptr;
    for (const Verb& candidate : verbs())
      if (step.verb == candidate.name) verb = &candidate;
    if (verb == nullptr) fail("unknown step '" + step.verb + "'");
    for (const Arg kind : verb->arguments) {
      std::string word;
      if (kind == Arg::text) {
        std::getline(words, word);
        word = trimmed(word);
      } else {
        words >> word;
      }
      if (word.empty())
        fail("'" + step.verb + "' wants " + std::to_string(verb->arguments.size()) +
             " argument(s)");
      if ((kind == Arg::integer && !isInteger(word)) ||
          (kind == Arg::number && !isNumber(word)) ||
          (kind == Arg::onOff && word != "on" && word != "off"))
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
