// Input: the keyboard focus (with the edit boxes' focus notifications), the
// cursor and the keys held down.
#include <algorithm>
#include <cctype>
#include <string>

#include "window_system/headless_window_system.h"

namespace jolvent {

// --- Focus ---

HWND HeadlessWindowSystem::changeFocus(HWND handle) {
  const HWND previous = focus_;
  if (previous == handle) return previous;
  focus_ = handle;
  ++activity_;
  const auto isEdit = [this](HWND window) {
    const Window* record = find(window);
    if (record == nullptr || record->kind != Window::Kind::Control) return false;
    std::string name = record->className;
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return name == "edit";
  };
  if (isEdit(previous)) notifyParent(previous, EN_KILLFOCUS);
  if (focus_ == handle && isEdit(handle)) notifyParent(handle, EN_SETFOCUS);
  return previous;
}

HWND HeadlessWindowSystem::setFocus(HWND handle) {
  log_.emplace_back("setFocus");
  if (handle != nullptr) {
    if (madeHere(handle) && find(handle) == nullptr) return nullptr;
    if (find(handle) == nullptr) external(handle);
  }
  return changeFocus(handle);
}

void HeadlessWindowSystem::giveFocus(HWND handle) {
  if (handle != nullptr && find(handle) == nullptr) {
    if (madeHere(handle)) return;
    external(handle);
  }
  changeFocus(handle);
}

HWND HeadlessWindowSystem::focusedWindow() {
  log_.emplace_back("focusedWindow");
  return focus_;
}

// --- Cursor and keys ---

bool HeadlessWindowSystem::cursorPos(POINT* point) {
  log_.emplace_back("cursorPos");
  if (point == nullptr) return false;
  *point = cursor_;
  return true;
}

void HeadlessWindowSystem::setCursorPos(int x, int y) {
  ++activity_;
  cursor_ =
      POINT{std::clamp(x, 0, kScreenWidth - 1), std::clamp(y, 0, kScreenHeight - 1)};
}

SHORT HeadlessWindowSystem::keyState(int virtualKey) {
  log_.push_back("keyState " + std::to_string(virtualKey));
  // GetKeyState sets the high byte for a key that is down.
  auto found = keysDown_.find(virtualKey);
  return found != keysDown_.end() && found->second ? static_cast<SHORT>(-128) : SHORT{0};
}

void HeadlessWindowSystem::setKeyDown(int virtualKey, bool down) {
  ++activity_;
  keysDown_[virtualKey] = down;
}

}  // namespace jolvent
