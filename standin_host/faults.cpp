#include "standin_host/faults.h"

#include <stdexcept>

#include "standin_host/operations.h"
#include "standin_host/text.h"

namespace jolvent::standin {

void FaultPlan::failNext(std::string_view operation, std::string text) {
  failOnCall(operation, 1, std::move(text));
}

void FaultPlan::failOnCall(std::string_view operation, int nth, std::string text) {
  if (!isKnownOperation(operation)) {
    throw std::invalid_argument(concat({"no host operation named ", operation}));
  }
  if (nth < 1) throw std::invalid_argument("failOnCall counts calls from 1");
  if (text.empty()) text = concat({"stand-in host: injected failure in ", operation});
  armed_.push_back({std::string(operation), nth, std::move(text)});
}

void FaultPlan::maybeThrow(std::string_view operation) {
  const char* due = nullptr;
  for (auto it = armed_.begin(); it != armed_.end();) {
    if (it->operation == operation && --it->remaining == 0) {
      if (due == nullptr) due = thrown_.emplace_back(std::move(it->text)).c_str();
      it = armed_.erase(it);
    } else {
      ++it;
    }
  }
  if (due != nullptr) throw due;
}

std::vector<std::string> FaultPlan::pending() const {
  std::vector<std::string> names;
  for (const Armed& armed : armed_) names.push_back(armed.operation);
  return names;
}

}  // namespace jolvent::standin
