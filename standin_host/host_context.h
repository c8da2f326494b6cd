// What every stand-in object reports to: reference books, call journal,
// failure injection and the protocol log. Owned by StandInHost; outlives all
// the objects that refer to it.
#pragma once

#include <string>
#include <string_view>

#include "host/fwd.h"
#include "standin_host/accounting.h"
#include "standin_host/faults.h"
#include "standin_host/journal.h"
#include "standin_host/protocol.h"

namespace jolvent::standin {

struct HostContext {
  Accounting accounting;
  Journal journal;
  FaultPlan faults;
  ProtocolLog protocol;

  // Start of every host operation: journals "operation details", records a
  // trailing argument other than 0, then throws if a fault is due.
  void enter(std::string_view operation, std::string_view details, Reserved reserved);
  // The same for the operations that have no trailing argument.
  void enterUnreserved(std::string_view operation, std::string_view details);
};

// "operation details", or the operation alone when details is empty.
std::string journalEntry(std::string_view operation, std::string_view details);

}  // namespace jolvent::standin
