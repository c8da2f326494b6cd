#include "window_system/headless_window_system.h"

#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <utility>

#include "window_system/headless_text.h"
#include "window_system/trackbar.h"

namespace jolvent {

namespace {
using headless::hex;
using headless::orEmpty;

constexpr std::uintptr_t kFirstWindow = 0x1000;
constexpr std::uintptr_t kWindowStep = 0x10;

// "sendItemMessage 1001 TBM_SETSEL 1 0x0168fe98": the item, the message
// (TBM_SETSEL by name, any other in hexadecimal), wParam, lParam.
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

bool HeadlessWindowSystem::contains(HWND ancestor, HWND window) const {
  for (const Window* at = find(window); at != nullptr; at = find(at->parent)) {
    if (window == ancestor) return true;
    window = at->parent;
  }
  return false;
}

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

std::vector<HWND> HeadlessWindowSystem::dialogs() const {
  std::vector<HWND> result;
  for (HWND handle : order_) {
    const Window* window = find(handle);
    if (window != nullptr && window->kind == Window::Kind::Dialog)
      result.push_back(handle);
  }
  return result;
}

// --- Messages ---

INT_PTR HeadlessWindowSystem::callProc(HWND handle, UINT message, WPARAM wParam,
                                       LPARAM lParam) {
  const Window* window = find(handle);
  if (window == nullptr || window->proc == nullptr) return 0;
  ++activity_;
  return window->proc(handle, message, wParam, lParam);
}

LRESULT HeadlessWindowSystem::dialogMessage(HWND dialog, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  const INT_PTR answer = callProc(dialog, message, wParam, lParam);
  if (answer != 0 || find(dialog) == nullptr) return answer;
  // What the default dialog procedure does with what the procedure left.
  switch (message) {
    case WM_SETTEXT:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
      return textMessage(dialog, message, wParam, lParam);
    case WM_CLOSE:
      callProc(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
               reinterpret_cast<LPARAM>(item(dialog, IDCANCEL)));
      return 0;
    default:
      return 0;
  }
}

LRESULT HeadlessWindowSystem::sendMessage(HWND handle, UINT message, WPARAM wParam,
                                          LPARAM lParam) {
  const Window* window = find(handle);
  if (window == nullptr) return 0;
  switch (window->kind) {
    case Window::Kind::Dialog:
      return dialogMessage(handle, message, wParam, lParam);
    case Window::Kind::Control:
      return controlMessage(handle, message, wParam, lParam);
    case Window::Kind::External:
      return 0;
  }
  return 0;
}

HWND HeadlessWindowSystem::item(HWND dialog, int id) const {
  const Window* window = find(dialog);
  if (window == nullptr) return nullptr;
  for (HWND child : window->children) {
    const Window* control = find(child);
    if (control != nullptr && control->id == id) return child;
  }
  return nullptr;
}

HWND HeadlessWindowSystem::dialogItem(HWND dialog, int id) {
  log_.push_back("dialogItem " + std::to_string(id));
  return item(dialog, id);
}

int HeadlessWindowSystem::controlId(HWND control) {
  log_.emplace_back("controlId");
  const Window* window = find(control);
  return window != nullptr && window->kind == Window::Kind::Control ? window->id : 0;
}

LRESULT HeadlessWindowSystem::sendItemMessage(HWND dialog, int id, UINT message,
                                              WPARAM wParam, LPARAM lParam) {
  log_.push_back(describeItemMessage(id, message, wParam, lParam));
  const HWND control = item(dialog, id);
  return control == nullptr ? 0 : controlMessage(control, message, wParam, lParam);
}

bool HeadlessWindowSystem::setItemText(HWND dialog, int id, const char* text) {
  log_.push_back("setItemText " + std::to_string(id) + " " + orEmpty(text));
  const HWND control = item(dialog, id);
  if (control == nullptr) return false;
  controlMessage(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
  return true;
}

int HeadlessWindowSystem::itemText(HWND dialog, int id, char* text, int size) {
  log_.push_back("itemText " + std::to_string(id) + " " + std::to_string(size));
  const HWND control = item(dialog, id);
  if (control == nullptr || size <= 0) {
    if (text != nullptr && size > 0) text[0] = '\0';
    return 0;
  }
  return static_cast<int>(controlMessage(control, WM_GETTEXT, static_cast<WPARAM>(size),
                                         reinterpret_cast<LPARAM>(text)));
}

std::string HeadlessWindowSystem::text(HWND handle) const {
  const Window* window = find(handle);
  return window == nullptr ? std::string() : window->text;
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

// --- Registry ---

LONG HeadlessWindowSystem::openKey(HKEY root, const char* path, REGSAM access,
                                   HKEY* key) {
  log_.push_back("openKey " + orEmpty(path) + " " + hex(access));
  return registry_.openKey(root, path, key);
}

LONG HeadlessWindowSystem::createKey(HKEY root, const char* path, DWORD options,
                                     REGSAM access, HKEY* key) {
  log_.push_back("createKey " + orEmpty(path) + " " + hex(options) + " " + hex(access));
  return registry_.createKey(root, path, key);
}

LONG HeadlessWindowSystem::queryValue(HKEY key, const char* name, DWORD* type, BYTE* data,
                                      DWORD* size) {
  log_.push_back("queryValue " + orEmpty(name) + " " +
                 (size == nullptr ? std::string("-") : std::to_string(*size)));
  return registry_.queryValue(key, name, type, data, size);
}

LONG HeadlessWindowSystem::setValue(HKEY key, const char* name, DWORD type,
                                    const BYTE* data, DWORD size) {
  log_.push_back("setValue " + orEmpty(name) + " " + std::to_string(type) + " " +
                 std::to_string(size));
  return registry_.setValue(key, name, type, data, size);
}

LONG HeadlessWindowSystem::closeKey(HKEY key) {
  log_.emplace_back("closeKey");
  return registry_.closeKey(key);
}

}  // namespace jolvent
