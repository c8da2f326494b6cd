// The window table every part of the model works on: the records and their
// handles, windows of others met only by handle, each window's enabled and
// visible state, destruction, and what the model had to decide (problems).
// Dialogs, geometry, input, timers, messages, the controls and the registry
// requests each have a file of their own beside this one.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "window_system/headless_window_system.h"

namespace jolvent {

namespace {
constexpr std::uintptr_t kFirstWindow = 0x1000;
constexpr std::uintptr_t kWindowStep = 0x10;
}  // namespace

// --- Records ---

HeadlessWindowSystem::Window* HeadlessWindowSystem::find(HWND window) {
  auto found = windows_.find(window);
  return found == windows_.end() ? nullptr : &found->second;
}

const HeadlessWindowSystem::Window* HeadlessWindowSystem::find(HWND window) const {
  auto found = windows_.find(window);
  return found == windows_.end() ? nullptr : &found->second;
}

const HeadlessWindowSystem::Window* HeadlessWindowSystem::window(HWND handle) const {
  return find(handle);
}

bool HeadlessWindowSystem::madeHere(HWND window) const {
  const auto value = reinterpret_cast<std::uintptr_t>(window);
  return value >= kFirstWindow && value < nextWindow_ &&
         (value - kFirstWindow) % kWindowStep == 0;
}

// A handle the model never made stands for a top-level window of someone
// else's, such as the host's main window; one the model made and destroyed
// stays invalid.
HeadlessWindowSystem::Window& HeadlessWindowSystem::external(HWND handle) {
  auto [entry, made] = windows_.try_emplace(handle);
  if (made) {
    entry->second.kind = Window::Kind::External;
    entry->second.visible = true;
  }
  return entry->second;
}

HWND HeadlessWindowSystem::newHandle() {
  // Never dereferenced: only a distinct name for the window.
  HWND handle = reinterpret_cast<HWND>(nextWindow_);
  nextWindow_ += kWindowStep;
  return handle;
}

HWND HeadlessWindowSystem::createWindow() {
  HWND handle = newHandle();
  windows_[handle];
  order_.push_back(handle);
  return handle;
}

std::vector<HWND> HeadlessWindowSystem::dialogs() const {
  std::vector<HWND> result;
  for (HWND handle : order_) {
    const Window* window = find(handle);
    if (window != nullptr && window->kind == Window::Kind::Dialog)
      result.push_back(handle);
  }
  return result;
}

bool HeadlessWindowSystem::contains(HWND ancestor, HWND window) const {
  for (const Window* at = find(window); at != nullptr; at = find(at->parent)) {
    if (window == ancestor) return true;
    window = at->parent;
  }
  return false;
}

// --- Problems ---

void HeadlessWindowSystem::problem(std::string text) {
  problems_.push_back(std::move(text));
}

std::string HeadlessWindowSystem::problems() const {
  std::string text;
  for (const std::string& line : problems_) {
    if (!text.empty()) text += '\n';
    text += line;
  }
  return text;
}

// --- Destruction ---

void HeadlessWindowSystem::destroy(HWND handle) {
  if (find(handle) == nullptr) return;
  // Owned windows go first, as Win32 destroys them.
  std::vector<HWND> owned;
  for (const auto& [other, record] : windows_) {
    if (record.owner == handle && record.kind == Window::Kind::Dialog)
      owned.push_back(other);
  }
  for (HWND other : owned) destroy(other);
  if (find(handle) == nullptr) return;
  setVisible(handle, false);
  if (contains(handle, focus_)) focus_ = nullptr;
  callProc(handle, WM_DESTROY, 0, 0);
  Window* window = find(handle);
  if (window == nullptr) return;
  for (HWND child : std::vector<HWND>(window->children)) windows_.erase(child);
  windows_.erase(handle);
}

bool HeadlessWindowSystem::destroyWindow(HWND window) {
  log_.emplace_back("destroyWindow");
  const Window* record = find(window);
  if (record == nullptr || record->kind == Window::Kind::External) return false;
  destroy(window);
  return true;
}

// --- Window state ---

bool HeadlessWindowSystem::isEnabled(HWND handle) const {
  const Window* window = find(handle);
  if (window == nullptr) return handle != nullptr && !madeHere(handle);
  return window->enabled;
}

bool HeadlessWindowSystem::isVisible(HWND handle) const {
  const Window* window = find(handle);
  if (window == nullptr) return handle != nullptr && !madeHere(handle);
  for (; window != nullptr; window = find(window->parent)) {
    if (!window->visible) return false;
  }
  return true;
}

bool HeadlessWindowSystem::enableWindow(HWND handle, bool enable) {
  log_.push_back(std::string("enableWindow ") + (enable ? "1" : "0"));
  if (handle == nullptr || (madeHere(handle) && find(handle) == nullptr)) return false;
  Window& window = find(handle) != nullptr ? *find(handle) : external(handle);
  const bool wasDisabled = !window.enabled;
  window.enabled = enable;
  // A disabled window cannot keep the focus.
  if (!enable && focus_ == handle) changeFocus(nullptr);
  return wasDisabled;
}

void HeadlessWindowSystem::setVisible(HWND handle, bool visible) {
  Window* window = find(handle);
  if (window == nullptr || window->visible == visible) return;
  window->visible = visible;
  // A top-level window hidden with the focus inside hands it to its owner.
  if (!visible && window->kind != Window::Kind::Control && contains(handle, focus_)) {
    const HWND owner = window->owner;
    const bool ownerAlive =
        find(owner) != nullptr || (owner != nullptr && !madeHere(owner));
    changeFocus(ownerAlive ? owner : nullptr);
  }
}

bool HeadlessWindowSystem::showWindow(HWND handle, int command) {
  log_.push_back("showWindow " + std::to_string(command));
  if (handle == nullptr || (madeHere(handle) && find(handle) == nullptr)) return false;
  Window& window = find(handle) != nullptr ? *find(handle) : external(handle);
  const bool wasVisible = window.visible;
  setVisible(handle, command != SW_HIDE);
  return wasVisible;
}

}  // namespace jolvent
