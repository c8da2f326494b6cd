// Runs a clean-up when the scope ends, on every path, exceptions included.
//
//   const ScopeExit restore([&] { state.busy = false; });
//   const auto removing = raiseForScope(state.removingGuide);
#pragma once

#include <utility>

namespace jolvent {

template <class CleanUp>
class [[nodiscard]] ScopeExit {
public:
  explicit ScopeExit(CleanUp cleanUp) : cleanUp_(std::move(cleanUp)) {}
  ~ScopeExit() { cleanUp_(); }
  ScopeExit(const ScopeExit&) = delete;
  ScopeExit& operator=(const ScopeExit&) = delete;

private:
  CleanUp cleanUp_;
};

// Raises flag now and lowers it when the scope ends.
[[nodiscard]] inline auto raiseForScope(bool& flag) {
  flag = true;
  return ScopeExit([&flag] { flag = false; });
}

}  // namespace jolvent
