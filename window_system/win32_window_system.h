// Forwards each window-system request to Win32 unchanged. Texts go to and
// from the wide functions through code page 932, so they show as Japanese
// whatever the system's own code page is.
#pragma once

#include "window_system/window_system.h"

namespace jolvent {

class Win32WindowSystem final : public WindowSystem {
public:
  HWND createDialog(HINSTANCE instance, int templateId, HWND owner, DLGPROC proc,
                    LPARAM param) override;
  INT_PTR dialogBox(HINSTANCE instance, int templateId, HWND owner, DLGPROC proc,
                    LPARAM param) override;
  bool endDialog(HWND dialog, INT_PTR result) override;
  bool destroyWindow(HWND window) override;

  HWND dialogItem(HWND dialog, int item) override;
  int controlId(HWND control) override;
  LRESULT sendItemMessage(HWND dialog, int item, UINT message, WPARAM wParam,
                          LPARAM lParam) override;
  bool setItemText(HWND dialog, int item, const char* text) override;
  int itemText(HWND dialog, int item, char* text, int size) override;

  bool enableWindow(HWND window, bool enable) override;
  HWND setFocus(HWND window) override;
  HWND focusedWindow() override;
  bool showWindow(HWND window, int command) override;
  bool windowRect(HWND window, RECT* rect) override;
  bool setWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height,
                    UINT flags) override;

  bool cursorPos(POINT* point) override;
  SHORT keyState(int virtualKey) override;
  int systemMetric(int index) override;
  UINT_PTR setTimer(HWND window, UINT_PTR id, UINT milliseconds) override;
  bool killTimer(HWND window, UINT_PTR id) override;
  int messageBox(HWND owner, const char* text, const char* caption, UINT type) override;

  LONG openKey(HKEY root, const char* path, REGSAM access, HKEY* key) override;
  LONG createKey(HKEY root, const char* path, DWORD options, REGSAM access,
                 HKEY* key) override;
  LONG queryValue(HKEY key, const char* name, DWORD* type, BYTE* data,
                  DWORD* size) override;
  LONG setValue(HKEY key, const char* name, DWORD type, const BYTE* data,
                DWORD size) override;
  LONG closeKey(HKEY key) override;
};

}  // namespace jolvent
