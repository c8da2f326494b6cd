#include "tests/scenarios/win32_desktop.h"

#include <windows.h>

#include <commctrl.h>

#include <cstring>
#include <string>

namespace jolvent::test {

namespace {

Win32Desktop* gActive = nullptr;

// The scripted user looks at the screen this often while a modal loop runs.
constexpr UINT kScriptTick = 20;
// Ticks without anything left to do before an open dialog is given up.
constexpr int kPatienceTicks = 25;
// The static that holds a message box's text.
constexpr int kMessageBoxText = 0xFFFF;
// The static that holds a message box's icon, in Wine's template.
constexpr int kMessageBoxIcon = 0x0440;

std::string narrow(const wchar_t* wide) {
  const int size = WideCharToMultiByte(932, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 1) return {};
  std::string text(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(932, 0, wide, -1, text.data(), size, nullptr, nullptr);
  text.resize(static_cast<std::size_t>(size - 1));
  return text;
}

std::wstring widen(const std::string& cp932) {
  const int size = MultiByteToWideChar(932, 0, cp932.c_str(), -1, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(932, 0, cp932.c_str(), -1, wide.data(), size);
  wide.resize(static_cast<std::size_t>(size - 1));
  return wide;
}

std::string windowText(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return narrow(text);
}

bool isDialogClass(HWND window) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  return std::wcscmp(name, L"#32770") == 0;
}

struct Search {
  HWND owner;
  const wchar_t* caption;
  HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  if (!isDialogClass(window)) return TRUE;
  if (search->owner != nullptr && GetWindow(window, GW_OWNER) != search->owner)
    return TRUE;
  if (search->caption != nullptr) {
    wchar_t caption[64] = {};
    GetWindowTextW(window, caption, 64);
    if (std::wcscmp(caption, search->caption) != 0) return TRUE;
  }
  search->found = window;
  return FALSE;
}

void CALLBACK scriptTick(HWND, UINT, UINT_PTR, DWORD) {
  if (gActive != nullptr) gActive->actOnModal();
}

}  // namespace

Win32Desktop::Win32Desktop() {
  gActive = this;
}

Win32Desktop::~Win32Desktop() {
  if (timer_ != 0) KillTimer(nullptr, timer_);
  setControlKey(false);
  gActive = nullptr;
}

HWND Win32Desktop::panel() {
  Search search{nullptr, L"Jolvent", nullptr};
  EnumThreadWindows(GetCurrentThreadId(), matchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND Win32Desktop::item(HWND dialog, int id) {
  return GetDlgItem(dialog, id);
}

LRESULT Win32Desktop::send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETTEXT) {
    const std::wstring wide = widen(reinterpret_cast<const char*>(lParam));
    return SendMessageW(window, message, wParam, reinterpret_cast<LPARAM>(wide.c_str()));
  }
  return SendMessageW(window, message, wParam, lParam);
}

void Win32Desktop::setFocus(HWND window) {
  SetFocus(window);
}
HWND Win32Desktop::focus() {
  return GetFocus();
}
std::string Win32Desktop::text(HWND window) {
  return windowText(window);
}
bool Win32Desktop::enabled(HWND window) {
  return IsWindowEnabled(window) != FALSE;
}
bool Win32Desktop::visible(HWND window) {
  return IsWindowVisible(window) != FALSE;
}

RECT Win32Desktop::rect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

void Win32Desktop::moveWindow(HWND window, int x, int y) {
  SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Desktop::setCursor(int x, int y) {
  SetCursorPos(x, y);
}

// A keyboard SendInput of Ctrl is not seen without a window manager; the
// thread's key state is.
void Win32Desktop::setControlKey(bool down) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = keys[VK_LCONTROL] = down ? 0x80 : 0;
  SetKeyboardState(keys);
}

void Win32Desktop::elapse(int milliseconds) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    const DWORD spent = GetTickCount() - start;
    if (spent >= static_cast<DWORD>(milliseconds)) return;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(milliseconds) - spent,
                              QS_ALLINPUT);
  }
}

void Win32Desktop::scriptModal(std::vector<DialogStep> steps,
                               std::vector<int> watchModalItems) {
  steps_ = std::move(steps);
  watched_ = std::move(watchModalItems);
  nextStep_ = 0;
  modal_ = nullptr;
  idleTicks_ = 0;
  if (timer_ == 0) timer_ = SetTimer(nullptr, 0, kScriptTick, scriptTick);
}

HWND Win32Desktop::findOwnedDialog(HWND owner) {
  if (owner == nullptr) return nullptr;
  Search search{owner, nullptr, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), matchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Acts once per tick, and only by posting, so that nothing runs inside the
// dialog's own handling of a message.
void Win32Desktop::actOnModal() {
  HWND dialog = findOwnedDialog(panel());
  if (dialog == nullptr) return;
  if (dialog != modal_) {
    modal_ = dialog;
    ModalSeen seen{windowText(dialog), {}};
    for (int id : watched_) seen.texts.push_back(windowText(GetDlgItem(dialog, id)));
    modalsSeen_.push_back(std::move(seen));
  }
  HWND box = findOwnedDialog(dialog);
  const bool stepsLeft = nextStep_ < steps_.size();
  if (box != nullptr) {
    if (!stepsLeft || steps_[nextStep_].kind != DialogStep::AnswerMessageBox) {
      problems_ += "a message box \"" + windowText(GetDlgItem(box, kMessageBoxText)) +
                   "\" came where the script had no answer for it\n";
    } else {
      ++nextStep_;
    }
    MessageBoxSeen seen{windowText(GetDlgItem(box, kMessageBoxText)), windowText(box), 0};
    const auto icon = reinterpret_cast<HICON>(
        SendDlgItemMessageW(box, kMessageBoxIcon, STM_GETICON, 0, 0));
    const HICON information =
        LoadIconW(nullptr, MAKEINTRESOURCEW(32516));  // IDI_INFORMATION
    if (icon != nullptr && icon == information) seen.type |= MB_ICONINFORMATION;
    messageBoxesSeen_.push_back(std::move(seen));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    return;
  }
  if (!stepsLeft || steps_[nextStep_].kind == DialogStep::AnswerMessageBox) {
    if (++idleTicks_ < kPatienceTicks) return;
    problems_ += stepsLeft ? "the dialog showed no message box the script expected\n"
                           : "the dialog stayed open after the script's last step\n";
    nextStep_ = steps_.size();
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    return;
  }
  idleTicks_ = 0;
  const DialogStep& step = steps_[nextStep_++];
  if (step.kind == DialogStep::Type) {
    SetDlgItemTextW(dialog, step.item, widen(step.text).c_str());
  } else if (step.kind == DialogStep::PanelScroll) {
    HWND owner = panel();
    PostMessageW(owner, WM_HSCROLL, MAKEWPARAM(step.code, 0),
                 reinterpret_cast<LPARAM>(GetDlgItem(owner, step.item)));
  } else {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(step.item, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, step.item)));
  }
}

std::vector<ModalSeen> Win32Desktop::takeModalsSeen() {
  return std::move(modalsSeen_);
}

std::vector<MessageBoxSeen> Win32Desktop::takeMessageBoxesSeen() {
  return std::move(messageBoxesSeen_);
}

std::string Win32Desktop::problems() {
  std::string all = problems_;
  if (nextStep_ < steps_.size()) all += "the script's modal dialog never opened\n";
  return all;
}

void Win32Desktop::deleteKey(const char* path) {
  RegDeleteTreeA(HKEY_CURRENT_USER, path);
}

std::optional<DWORD> Win32Desktop::readDword(const char* path, const char* name) {
  DWORD value = 0;
  DWORD size = sizeof value;
  if (RegGetValueA(HKEY_CURRENT_USER, path, name, RRF_RT_REG_DWORD, nullptr, &value,
                   &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return value;
}

void Win32Desktop::writeDword(const char* path, const char* name, DWORD value) {
  RegSetKeyValueA(HKEY_CURRENT_USER, path, name, REG_DWORD, &value, sizeof value);
}

int Win32Desktop::systemMetric(int index) {
  return GetSystemMetrics(index);
}

}  // namespace jolvent::test
