// Messages: delivery to a dialog's procedure (with what the default dialog
// procedure does when it leaves one), to a control's model, and the requests
// that reach a dialog's items.
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <string>

#include "window_system/headless_text.h"
#include "window_system/headless_window_system.h"

namespace jolvent {

namespace {
using headless::orEmpty;

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

// --- Delivery ---

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

// --- Dialog items ---

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

}  // namespace jolvent
