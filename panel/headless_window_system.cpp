#include "panel/headless_window_system.h"

#include <algorithm>
#include <cinttypes>
#include <cstdint>
#include <cstdio>

#include "panel/trackbar.h"

namespace jolvent {

namespace {
// "sendItemMessage 1001 TBM_SETSEL 1 0x0168fe98": the item, the message (by
// name when this system models it, else in hexadecimal), wParam, lParam.
std::string describeItemMessage(int item, UINT message, WPARAM wParam, LPARAM lParam) {
  char messageText[16];
  if (message == TBM_SETSEL) {
    std::snprintf(messageText, sizeof messageText, "TBM_SETSEL");
  } else {
    std::snprintf(messageText, sizeof messageText, "0x%04x", message);
  }
  char text[96];
  std::snprintf(text, sizeof text, "sendItemMessage %d %s %" PRIu64 " 0x%08" PRIx64, item,
                messageText, static_cast<std::uint64_t>(wParam),
                static_cast<std::uint64_t>(lParam));
  return text;
}
}  // namespace

LRESULT HeadlessWindowSystem::sendItemMessage(HWND dialog, int item, UINT message,
                                              WPARAM wParam, LPARAM lParam) {
  log_.push_back(describeItemMessage(item, message, wParam, lParam));
  auto found = windows_.find(dialog);
  if (found == windows_.end()) return 0;
  Window& window = found->second;
  if (message == TBM_SETSEL) {
    Trackbar& trackbar = window.trackbars[item];
    trackbar.selectionStart = trackbarRangeMinimum(lParam);
    trackbar.selectionEnd = trackbarRangeMaximum(lParam);
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
