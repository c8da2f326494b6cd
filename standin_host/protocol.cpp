#include "standin_host/protocol.h"

namespace jolvent::standin {

void ProtocolLog::expectZero(const std::string& operation, const char* what,
                             long long value) {
  if (value == 0) return;
  violation(operation + ": " + what + " was " + std::to_string(value) + ", expected 0");
}

}  // namespace jolvent::standin
