// Breaches of the calling rules the plug-in must keep: a reserved argument
// that is not 0, a null out-pointer, a builder call out of order, an edit
// bracket closed that was never opened, a shape the host does not know...
// Tests expect the list to stay empty.
#pragma once

#include <string>
#include <vector>

namespace jolvent::standin {

class ProtocolLog {
public:
  void violation(std::string text) { violations_.push_back(std::move(text)); }
  // Records "<operation>: <what> was <value>, expected 0" unless value is 0.
  void expectZero(const std::string& operation, const char* what, long long value);

  const std::vector<std::string>& violations() const { return violations_; }
  void clear() { violations_.clear(); }

private:
  std::vector<std::string> violations_;
};

}  // namespace jolvent::standin
