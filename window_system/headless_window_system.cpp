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

// MulDiv: the product divided, rounded half away from zero.
int mulDiv(int number, int numerator, int denominator) {
  const long long product = static_cast<long long>(number) * numerator;
  const long long half = denominator / 2;
  return static_cast<int>((product >= 0 ? product + half : product - half) / denominator);
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

void HeadlessWindowSystem::addTemplate(const DialogTemplate& dialogTemplate) {
  StoredTemplate& stored = templates_[dialogTemplate.id];
  stored.dialog = dialogTemplate;
  stored.caption = orEmpty(dialogTemplate.caption);
  stored.controls.clear();
  for (int i = 0; i < dialogTemplate.controlCount; ++i) {
    const ControlTemplate& control = dialogTemplate.controls[i];
    stored.controls.push_back(
        {control, orEmpty(control.className), orEmpty(control.text)});
  }
}

// --- Dialogs ---

HWND HeadlessWindowSystem::makeDialog(int templateId, HWND owner, DLGPROC proc,
                                      LPARAM param, bool modal, bool ownerWasEnabled) {
  auto found = templates_.find(templateId);
  if (found == templates_.end()) {
    problem("no dialog template " + std::to_string(templateId));
    return nullptr;
  }
  const StoredTemplate& stored = found->second;
  const DialogTemplate& dialog = stored.dialog;

  const HWND handle = newHandle();
  Window& window = windows_[handle];
  order_.push_back(handle);
  window.kind = Window::Kind::Dialog;
  window.owner = owner;
  window.text = stored.caption;
  window.style = dialog.style;
  window.exStyle = dialog.exStyle;
  window.enabled = (dialog.style & WS_DISABLED) == 0;
  window.proc = proc;
  window.modal = modal;
  window.ownerWasEnabled = ownerWasEnabled;

  int left = 0, top = 0, right = 0, bottom = 0;
  frame(window, &left, &top, &right, &bottom);
  const int width = mulDiv(dialog.width, kBaseUnitX, 4) + left + right;
  const int height = mulDiv(dialog.height, kBaseUnitY, 8) + top + bottom;
  POINT corner{mulDiv(dialog.x, kBaseUnitX, 4), mulDiv(dialog.y, kBaseUnitY, 8)};
  if ((dialog.style & DS_CENTER) != 0) {
    corner = POINT{(kScreenWidth - width) / 2, (kScreenHeight - height) / 2};
  } else if (const Window* ownerWindow = find(owner);
             ownerWindow != nullptr && ownerWindow->kind != Window::Kind::External) {
    const POINT origin = clientOrigin(*ownerWindow);
    corner.x += origin.x;
    corner.y += origin.y;
  }
  window.rect = RECT{corner.x, corner.y, corner.x + width, corner.y + height};

  HWND firstTabStop = nullptr;
  for (const StoredControl& stored_control : stored.controls) {
    const ControlTemplate& control = stored_control.control;
    const HWND child = newHandle();
    Window& record = windows_[child];
    record.kind = Window::Kind::Control;
    record.parent = handle;
    record.id = control.id;
    record.className = stored_control.className;
    record.text = stored_control.text;
    record.style = control.style;
    record.visible = (control.style & WS_VISIBLE) != 0;
    record.enabled = (control.style & WS_DISABLED) == 0;
    const int x = mulDiv(control.x, kBaseUnitX, 4);
    const int y = mulDiv(control.y, kBaseUnitY, 8);
    record.rect = RECT{x, y, x + mulDiv(control.width, kBaseUnitX, 4),
                       y + mulDiv(control.height, kBaseUnitY, 8)};
    windows_[handle].children.push_back(child);
    if (firstTabStop == nullptr && (control.style & WS_TABSTOP) != 0 && record.visible &&
        record.enabled) {
      firstTabStop = child;
    }
  }

  // Answering nonzero asks for the focus on the first tab stop, as the real
  // dialog manager gives it, shown or not.
  const INT_PTR answer =
      callProc(handle, WM_INITDIALOG, reinterpret_cast<WPARAM>(firstTabStop), param);
  if (find(handle) == nullptr) return nullptr;
  if (answer != 0 && firstTabStop != nullptr && find(firstTabStop) != nullptr) {
    changeFocus(firstTabStop);
  }
  if ((dialog.style & WS_VISIBLE) != 0) setVisible(handle, true);
  return handle;
}

HWND HeadlessWindowSystem::createDialog(HINSTANCE, int templateId, HWND owner,
                                        DLGPROC proc, LPARAM param) {
  log_.push_back("createDialog " + std::to_string(templateId));
  return makeDialog(templateId, owner, proc, param, false, false);
}

INT_PTR HeadlessWindowSystem::dialogBox(HINSTANCE, int templateId, HWND owner,
                                        DLGPROC proc, LPARAM param) {
  log_.push_back("dialogBox " + std::to_string(templateId));
  if (templates_.count(templateId) == 0) {
    problem("no dialog template " + std::to_string(templateId));
    return -1;
  }
  bool ownerWasEnabled = false;
  if (owner != nullptr && !(madeHere(owner) && find(owner) == nullptr)) {
    Window& ownerWindow = find(owner) != nullptr ? *find(owner) : external(owner);
    ownerWasEnabled = ownerWindow.enabled;
    ownerWindow.enabled = false;
    if (focus_ == owner) changeFocus(nullptr);
  }
  const HWND dialog = makeDialog(templateId, owner, proc, param, true, ownerWasEnabled);
  const auto giveOwnerBack = [&] {
    if (ownerWasEnabled) {
      if (Window* ownerWindow = find(owner)) ownerWindow->enabled = true;
    }
  };
  if (dialog == nullptr) {
    giveOwnerBack();
    return -1;
  }

  const auto open = [&] { return find(dialog) != nullptr && !find(dialog)->ended; };
  const auto giveUp = [&](const std::string& why) {
    problem(why + ": dialog \"" + find(dialog)->text + "\" cancelled");
    callProc(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
             reinterpret_cast<LPARAM>(item(dialog, IDCANCEL)));
    if (open()) {
      problem("dialog \"" + find(dialog)->text + "\" refused to cancel: ended with -1");
      endModal(dialog, -1);
    }
  };

  if (open()) {
    setVisible(dialog, true);
    callProc(dialog, WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(owner));
  }
  for (int round = 0; open(); ++round) {
    if (!modalUser_) {
      giveUp("no modal user");
      break;
    }
    if (round == kMaximumModalRounds) {
      giveUp("the modal user never ended it");
      break;
    }
    const unsigned long long before = activity_;
    modalUser_(dialog);
    if (open() && activity_ == before) {
      giveUp("the modal user did nothing");
      break;
    }
  }

  const Window* ended = find(dialog);
  if (ended == nullptr) {
    // Destroyed without EndDialog.
    giveOwnerBack();
    return -1;
  }
  const INT_PTR result = ended->result;
  destroy(dialog);
  return result;
}

void HeadlessWindowSystem::endModal(HWND dialog, INT_PTR result) {
  Window* window = find(dialog);
  window->ended = true;
  window->result = result;
  const HWND owner = window->owner;
  const bool modal = window->modal;
  if (modal && window->ownerWasEnabled) {
    if (Window* ownerWindow = find(owner)) ownerWindow->enabled = true;
  }
  if (focus_ != dialog && contains(dialog, focus_)) changeFocus(dialog);
  setVisible(dialog, false);
  if (modal) {
    callProc(dialog, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(owner));
  }
}

bool HeadlessWindowSystem::endDialog(HWND dialog, INT_PTR result) {
  log_.push_back("endDialog " + std::to_string(result));
  const Window* window = find(dialog);
  if (window == nullptr || window->kind != Window::Kind::Dialog) return false;
  endModal(dialog, result);
  return true;
}

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

// --- Users ---

void HeadlessWindowSystem::setModalUser(std::function<void(HWND)> user) {
  modalUser_ = std::move(user);
}

void HeadlessWindowSystem::setMessageBoxUser(
    std::function<int(const MessageBoxRecord&)> user) {
  messageBoxUser_ = std::move(user);
}

int HeadlessWindowSystem::messageBox(HWND owner, const char* text, const char* caption,
                                     UINT type) {
  log_.push_back("messageBox \"" + orEmpty(text) + "\" \"" + orEmpty(caption) + "\" " +
                 hex(type));
  const MessageBoxRecord record{owner, orEmpty(text), orEmpty(caption), type};
  messageBoxes_.push_back(record);

  // The box is modal to its owner and takes the activation and the focus
  // from it while it is open.
  const HWND box = newHandle();
  Window* ownerWindow = find(owner);
  const bool ownerWasEnabled = ownerWindow != nullptr && ownerWindow->enabled;
  if (ownerWasEnabled) ownerWindow->enabled = false;
  const bool activeModal =
      ownerWindow != nullptr && ownerWindow->modal && !ownerWindow->ended;
  if (activeModal)
    callProc(owner, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(box));
  const HWND savedFocus = focus_;
  changeFocus(box);

  int answer = IDOK;
  if (messageBoxUser_) {
    answer = messageBoxUser_(record);
  } else {
    problem("no message box user: \"" + record.text + "\" answered OK");
  }

  if (focus_ == box) focus_ = nullptr;
  if (ownerWasEnabled) {
    if (Window* again = find(owner)) again->enabled = true;
  }
  if (activeModal) callProc(owner, WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(box));
  if (focus_ == nullptr && find(savedFocus) != nullptr) changeFocus(savedFocus);
  return answer;
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
