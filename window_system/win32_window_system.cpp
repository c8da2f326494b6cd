#include "window_system/win32_window_system.h"

#include "window_system/cp932.h"

namespace jolvent {

namespace {

// The trackbar class is comctl32's; register it before the first dialog.
void ensureCommonControls() {
  static const bool registered = [] {
    INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
    return InitCommonControlsEx(&classes) != FALSE;
  }();
  (void)registered;
}

LPCWSTR templateName(int templateId) {
  return MAKEINTRESOURCEW(templateId);
}

}  // namespace

HWND Win32WindowSystem::createDialog(HINSTANCE instance, int templateId, HWND owner,
                                     DLGPROC proc, LPARAM param) {
  ensureCommonControls();
  return CreateDialogParamW(instance, templateName(templateId), owner, proc, param);
}

INT_PTR Win32WindowSystem::dialogBox(HINSTANCE instance, int templateId, HWND owner,
                                     DLGPROC proc, LPARAM param) {
  ensureCommonControls();
  return DialogBoxParamW(instance, templateName(templateId), owner, proc, param);
}

bool Win32WindowSystem::endDialog(HWND dialog, INT_PTR result) {
  return EndDialog(dialog, result) != FALSE;
}

bool Win32WindowSystem::destroyWindow(HWND window) {
  return DestroyWindow(window) != FALSE;
}

HWND Win32WindowSystem::dialogItem(HWND dialog, int item) {
  return GetDlgItem(dialog, item);
}

int Win32WindowSystem::controlId(HWND control) {
  return GetDlgCtrlID(control);
}

LRESULT Win32WindowSystem::sendItemMessage(HWND dialog, int item, UINT message,
                                           WPARAM wParam, LPARAM lParam) {
  return SendDlgItemMessageW(dialog, item, message, wParam, lParam);
}

bool Win32WindowSystem::setItemText(HWND dialog, int item, const char* text) {
  WideText wide(text);
  return SetDlgItemTextW(dialog, item, wide.get()) != FALSE;
}

int Win32WindowSystem::itemText(HWND dialog, int item, char* text, int size) {
  wchar_t wide[kWideTextCapacity];
  if (GetDlgItemTextW(dialog, item, wide, kWideTextCapacity) == 0) wide[0] = L'\0';
  return narrowText(wide, text, size);
}

bool Win32WindowSystem::enableWindow(HWND window, bool enable) {
  return EnableWindow(window, enable ? TRUE : FALSE) != FALSE;
}

HWND Win32WindowSystem::setFocus(HWND window) {
  return SetFocus(window);
}

HWND Win32WindowSystem::focusedWindow() {
  return GetFocus();
}

bool Win32WindowSystem::showWindow(HWND window, int command) {
  return ShowWindow(window, command) != FALSE;
}

bool Win32WindowSystem::windowRect(HWND window, RECT* rect) {
  return GetWindowRect(window, rect) != FALSE;
}

bool Win32WindowSystem::setWindowPos(HWND window, HWND insertAfter, int x, int y,
                                     int width, int height, UINT flags) {
  return SetWindowPos(window, insertAfter, x, y, width, height, flags) != FALSE;
}

bool Win32WindowSystem::cursorPos(POINT* point) {
  return GetCursorPos(point) != FALSE;
}

SHORT Win32WindowSystem::keyState(int virtualKey) {
  return GetKeyState(virtualKey);
}

int Win32WindowSystem::systemMetric(int index) {
  return GetSystemMetrics(index);
}

UINT_PTR Win32WindowSystem::setTimer(HWND window, UINT_PTR id, UINT milliseconds) {
  return SetTimer(window, id, milliseconds, nullptr);
}

bool Win32WindowSystem::killTimer(HWND window, UINT_PTR id) {
  return KillTimer(window, id) != FALSE;
}

int Win32WindowSystem::messageBox(HWND owner, const char* text, const char* caption,
                                  UINT type) {
  WideText wideText(text);
  WideText wideCaption(caption);
  return MessageBoxW(owner, wideText.get(), wideCaption.get(), type);
}

LONG Win32WindowSystem::openKey(HKEY root, const char* path, REGSAM access, HKEY* key) {
  return RegOpenKeyExA(root, path, 0, access, key);
}

LONG Win32WindowSystem::createKey(HKEY root, const char* path, DWORD options,
                                  REGSAM access, HKEY* key) {
  return RegCreateKeyExA(root, path, 0, nullptr, options, access, nullptr, key, nullptr);
}

LONG Win32WindowSystem::queryValue(HKEY key, const char* name, DWORD* type, BYTE* data,
                                   DWORD* size) {
  return RegQueryValueExA(key, name, nullptr, type, data, size);
}

LONG Win32WindowSystem::setValue(HKEY key, const char* name, DWORD type, const BYTE* data,
                                 DWORD size) {
  return RegSetValueExA(key, name, 0, type, data, size);
}

LONG Win32WindowSystem::closeKey(HKEY key) {
  return RegCloseKey(key);
}

}  // namespace jolvent
