#include "workbench/app/owned_windows.h"

#include <string>

namespace jolvent::workbench {

namespace {

// The Joint Value Setting dialog's first box.
constexpr int kJointValueBox = 1007;

BOOL CALLBACK addVisible(HWND window, LPARAM windows) {
  if (IsWindowVisible(window))
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
  return TRUE;
}

bool isDialog(HWND window) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  return std::string(name) == "#32770";
}

// The panel's statics have the message box text's id too, but no OK.
bool isMessageBox(HWND window) {
  return isDialog(window) && GetDlgItem(window, kMessageBoxTextId) != nullptr &&
         GetDlgItem(window, kJointValueBox) == nullptr &&
         GetDlgItem(window, IDOK) != nullptr;
}

HWND dialogOwnedBy(HWND owner, HWND exclude) {
  for (HWND window : visibleWindows())
    if (window != exclude && isDialog(window) &&
        (owner == nullptr || GetWindow(window, GW_OWNER) == owner))
      return window;
  return nullptr;
}

}  // namespace

std::vector<HWND> visibleWindows() {
  std::vector<HWND> windows;
  EnumThreadWindows(GetCurrentThreadId(), addVisible, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::vector<HWND> ownedWindows(HWND owner) {
  std::vector<HWND> owned;
  for (HWND window : visibleWindows())
    if (GetWindow(window, GW_OWNER) == owner) owned.push_back(window);
  return owned;
}

void restackOwnedWindows(HWND owner) {
  // Through topmost and back: a plain move to the top that Wine thinks it
  // has already done would not restack the display's windows.
  constexpr UINT kOnlyStacking = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  for (HWND window : ownedWindows(owner)) {
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, kOnlyStacking);
    SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, kOnlyStacking);
  }
}

HWND panelOf(HWND main) {
  return dialogOwnedBy(main, nullptr);
}

HWND dialogOverPanel(HWND main) {
  HWND panel = panelOf(main);
  if (panel == nullptr) return nullptr;
  HWND dialog = dialogOwnedBy(panel, nullptr);
  return dialog != nullptr ? dialog : dialogOwnedBy(nullptr, panel);
}

HWND messageBoxOverPanel(HWND main) {
  HWND panel = panelOf(main);
  if (panel == nullptr) return nullptr;
  for (HWND window : visibleWindows())
    if (window != panel && isMessageBox(window)) return window;
  return nullptr;
}

HWND messageBoxOwnedBy(HWND owner) {
  for (HWND window : ownedWindows(owner))
    if (isMessageBox(window)) return window;
  return nullptr;
}

HWND modalDialogOver(HWND main) {
  HWND panel = panelOf(main);
  // A modal dialog disables its owner: the innermost is the one enabled.
  for (HWND window : visibleWindows())
    if (window != panel && isDialog(window) && IsWindowEnabled(window) != FALSE)
      return window;
  return nullptr;
}

}  // namespace jolvent::workbench
