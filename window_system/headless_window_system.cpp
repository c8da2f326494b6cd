#include "window_system/headless_window_system.h"

#include <algorithm>
#include <cinttypes>
#include <cstdint>
#include <cstdio>

#include "window_system/trackbar.h"

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

// Not modelled yet: answers as a window system that has none of these.
HWND HeadlessWindowSystem::createDialog(HINSTANCE, int, HWND, DLGPROC, LPARAM) {
  return nullptr;
}
INT_PTR HeadlessWindowSystem::dialogBox(HINSTANCE, int, HWND, DLGPROC, LPARAM) {
  return -1;
}
bool HeadlessWindowSystem::endDialog(HWND, INT_PTR) {
  return false;
}
HWND HeadlessWindowSystem::dialogItem(HWND, int) {
  return nullptr;
}
int HeadlessWindowSystem::controlId(HWND) {
  return 0;
}
bool HeadlessWindowSystem::setItemText(HWND, int, const char*) {
  return false;
}
int HeadlessWindowSystem::itemText(HWND, int, char* text, int size) {
  if (text != nullptr && size > 0) text[0] = '\0';
  return 0;
}
bool HeadlessWindowSystem::enableWindow(HWND, bool) {
  return false;
}
HWND HeadlessWindowSystem::setFocus(HWND) {
  return nullptr;
}
HWND HeadlessWindowSystem::focusedWindow() {
  return nullptr;
}
bool HeadlessWindowSystem::showWindow(HWND, int) {
  return false;
}
bool HeadlessWindowSystem::windowRect(HWND, RECT*) {
  return false;
}
bool HeadlessWindowSystem::setWindowPos(HWND, HWND, int, int, int, int, UINT) {
  return false;
}
bool HeadlessWindowSystem::cursorPos(POINT*) {
  return false;
}
SHORT HeadlessWindowSystem::keyState(int) {
  return 0;
}
int HeadlessWindowSystem::systemMetric(int) {
  return 0;
}
UINT_PTR HeadlessWindowSystem::setTimer(HWND window, UINT_PTR id, UINT) {
  startTimer(window, id);
  return id;
}
int HeadlessWindowSystem::messageBox(HWND, const char*, const char*, UINT) {
  return IDOK;
}
LONG HeadlessWindowSystem::openKey(HKEY, const char*, REGSAM, HKEY*) {
  return ERROR_FILE_NOT_FOUND;
}
LONG HeadlessWindowSystem::createKey(HKEY, const char*, DWORD, REGSAM, HKEY*) {
  return ERROR_FILE_NOT_FOUND;
}
LONG HeadlessWindowSystem::queryValue(HKEY, const char*, DWORD*, BYTE*, DWORD*) {
  return ERROR_FILE_NOT_FOUND;
}
LONG HeadlessWindowSystem::setValue(HKEY, const char*, DWORD, const BYTE*, DWORD) {
  return ERROR_FILE_NOT_FOUND;
}
LONG HeadlessWindowSystem::closeKey(HKEY) {
  return ERROR_SUCCESS;
}

const HeadlessWindowSystem::Window* HeadlessWindowSystem::window(HWND handle) const {
  auto found = windows_.find(handle);
  return found == windows_.end() ? nullptr : &found->second;
}

}  // namespace jolvent
