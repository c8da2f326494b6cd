#include "panel/headless_window_system.h"

#include <algorithm>
#include <cstdint>

namespace jolvent {

namespace {
// Low and high halves of a packed message parameter, as signed 16-bit numbers.
int lowSigned(LPARAM value) {
  return static_cast<std::int16_t>(static_cast<std::uint32_t>(value) & 0xFFFFU);
}
int highSigned(LPARAM value) {
  return static_cast<std::int16_t>((static_cast<std::uint32_t>(value) >> 16) & 0xFFFFU);
}
}  // namespace

LRESULT HeadlessWindowSystem::sendItemMessage(HWND dialog, int item, UINT message, WPARAM,
                                              LPARAM lParam) {
  auto found = windows_.find(dialog);
  if (found == windows_.end()) return 0;
  Window& window = found->second;
  if (message == TBM_SETSEL) {
    Trackbar& trackbar = window.trackbars[item];
    trackbar.selectionStart = lowSigned(lParam);
    trackbar.selectionEnd = highSigned(lParam);
  }
  return 0;
}

bool HeadlessWindowSystem::killTimer(HWND window, UINT_PTR timer) {
  log_.push_back("killTimer " + std::to_string(timer));
  auto found = windows_.find(window);
  if (found == windows_.end()) return false;
  auto& timers = found->second.timers;
  auto entry = std::find(timers.begin(), timers.end(), timer);
  if (entry == timers.end()) return false;
  timers.erase(entry);
  return true;
}

bool HeadlessWindowSystem::destroyWindow(HWND window) {
  log_.emplace_back("destroyWindow");
  return windows_.erase(window) == 1;
}

HWND HeadlessWindowSystem::createWindow() {
  // Never dereferenced: only a distinct name for the window.
  HWND handle = reinterpret_cast<HWND>(nextWindow_);
  nextWindow_ += 0x10;
  windows_[handle];
  return handle;
}

void HeadlessWindowSystem::startTimer(HWND window, UINT_PTR timer) {
  windows_[window].timers.push_back(timer);
}

const HeadlessWindowSystem::Window* HeadlessWindowSystem::window(HWND handle) const {
  auto found = windows_.find(handle);
  return found == windows_.end() ? nullptr : &found->second;
}

}  // namespace jolvent
