// Timers on the virtual clock: what setTimer starts, and elapse delivering
// the WM_TIMER of every period that falls due, in time order.
#include <algorithm>
#include <string>

#include "window_system/headless_window_system.h"

namespace jolvent {

void HeadlessWindowSystem::startTimer(HWND handle, UINT_PTR id, UINT milliseconds) {
  Window* window = find(handle);
  if (window == nullptr) return;
  const UINT period = std::max(milliseconds, kMinimumTimerPeriod);
  window->timers[id] = Timer{period, now_ + period, timerOrder_++};
}

UINT_PTR HeadlessWindowSystem::setTimer(HWND handle, UINT_PTR id, UINT milliseconds) {
  log_.push_back("setTimer " + std::to_string(id) + " " + std::to_string(milliseconds));
  const Window* window = find(handle);
  if (window == nullptr || window->kind == Window::Kind::External) return 0;
  startTimer(handle, id, milliseconds);
  return id;
}

bool HeadlessWindowSystem::killTimer(HWND handle, UINT_PTR id) {
  log_.push_back("killTimer " + std::to_string(id));
  Window* window = find(handle);
  return window != nullptr && window->timers.erase(id) == 1;
}

void HeadlessWindowSystem::elapse(int milliseconds) {
  ++activity_;
  const long long until = now_ + std::max(0, milliseconds);
  for (;;) {
    HWND dueWindow = nullptr;
    UINT_PTR dueId = 0;
    const Timer* first = nullptr;
    for (const auto& [handle, window] : windows_) {
      for (const auto& [id, timer] : window.timers) {
        if (timer.due > until) continue;
        if (first == nullptr || timer.due < first->due ||
            (timer.due == first->due && timer.order < first->order)) {
          first = &timer;
          dueWindow = handle;
          dueId = id;
        }
      }
    }
    if (first == nullptr) break;
    Timer& timer = find(dueWindow)->timers[dueId];
    now_ = timer.due;
    timer.due += timer.period;
    callProc(dueWindow, WM_TIMER, dueId, 0);
  }
  now_ = until;
}

}  // namespace jolvent
