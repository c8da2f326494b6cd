// Dialogs: templates, dialogs made from them, the modal loop of dialogBox
// with its scripted user and endDialog, and message boxes with theirs.
#include <functional>
#include <string>
#include <utility>

#include "window_system/headless_text.h"
#include "window_system/headless_window_system.h"

namespace jolvent {

namespace {
using headless::hex;
using headless::orEmpty;

// MulDiv: the product divided, rounded half away from zero.
int mulDiv(int number, int numerator, int denominator) {
  const long long product = static_cast<long long>(number) * numerator;
  const long long half = denominator / 2;
  return static_cast<int>((product >= 0 ? product + half : product - half) / denominator);
}
}  // namespace

// --- Templates and creation ---

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

// --- The modal loop ---

void HeadlessWindowSystem::setModalUser(std::function<void(HWND)> user) {
  modalUser_ = std::move(user);
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

// --- Message boxes ---

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

}  // namespace jolvent
