#include "bench/instruction_counts.h"

#include <valgrind/callgrind.h>

#include <filesystem>
#include <fstream>

namespace jolvent::bench {

namespace {

constexpr std::string_view kTrigger = "desc: Trigger: Client Request: ";
constexpr std::string_view kTotals = "totals: ";

}  // namespace

void startCounting() {
  CALLGRIND_ZERO_STATS;
}

void stopCounting(const std::string& name) {
  CALLGRIND_DUMP_STATS_AT(name.c_str());
}

std::map<std::string, std::uint64_t> readCounts(const std::string& folder) {
  std::map<std::string, std::uint64_t> counts;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    std::ifstream dump(entry.path());
    std::string name;
    std::string line;
    while (std::getline(dump, line)) {
      if (line.starts_with(kTrigger)) name = line.substr(kTrigger.size());
      // Only the first event is collected: instructions.
      if (line.starts_with(kTotals) && !name.empty()) {
        counts[name] = std::stoull(line.substr(kTotals.size()));
      }
    }
  }
  return counts;
}

}  // namespace jolvent::bench
