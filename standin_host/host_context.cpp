#include "standin_host/host_context.h"

namespace jolvent::standin {

std::string journalEntry(std::string_view operation, std::string_view details) {
  std::string entry(operation);
  if (!details.empty()) {
    entry += ' ';
    entry += details;
  }
  return entry;
}

void HostContext::enter(std::string_view operation, std::string_view details,
                        Reserved reserved) {
  journal.record(journalEntry(operation, details));
  protocol.expectZero(std::string(operation), "trailing argument", reserved);
  faults.maybeThrow(operation);
}

void HostContext::enterUnreserved(std::string_view operation, std::string_view details) {
  journal.record(journalEntry(operation, details));
  faults.maybeThrow(operation);
}

}  // namespace jolvent::standin
