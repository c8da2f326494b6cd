// Instructions per call, counted by valgrind's callgrind: the benchmark
// marks each measured stretch with a client request, callgrind writes one
// dump per stretch, and a later run reads the dumps back.
#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace jolvent::bench {

// Starts a stretch: callgrind's counters are set to zero. Does nothing when
// not run under callgrind.
void startCounting();

// Ends the stretch, dumping the counters under this name.
void stopCounting(const std::string& name);

// Instructions of every named stretch dumped into folder, empty when there
// are none.
std::map<std::string, std::uint64_t> readCounts(const std::string& folder);

}  // namespace jolvent::bench
