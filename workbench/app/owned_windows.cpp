#include "workbench/app/owned_windows.h"

#include <string>

namespace jolvent::workbench {

namespace {

// A message box's text is the static with the highest 16-bit id.
constexpr int kMessageBoxTextId = 0xFFFF;
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
    if (window != panel && isDialog(window) &&
        GetDlgItem(window, kMessageBoxTextId) != nullptr &&
        GetDlgItem(window, kJointValueBox) == nullptr)
      return window;
  return nullptr;
}

}  // namespace jolvent::workbench
