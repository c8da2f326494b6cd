// The one seam through which the plug-in speaks to the window system.
//
// Shaped like the Win32 calls the panel needs, one operation a call, with the
// same arguments and answers. The Windows build forwards each to Win32
// (win32_window_system.h); the headless implementation models the controls
// where the panel depends on them (headless_window_system.h), so the panel's
// decisions run and are tested without a display.
//
// Texts cross the seam in code page 932, whatever the system's own code page:
// the Win32 implementation converts them to and from UTF-16 itself.
#pragma once

#include "platform/win32_types.h"

namespace jolvent {

class WindowSystem {
public:
  virtual ~WindowSystem() = default;

  // Dialogs from the templates of module instance. createDialog is modeless
  // and sends WM_INITDIALOG (lParam param) before it returns; null on failure.
  // dialogBox runs the dialog modally until endDialog and answers its result,
  // or -1 when it cannot be made; the owner is disabled meanwhile.
  virtual HWND createDialog(HINSTANCE instance, int templateId, HWND owner, DLGPROC proc,
                            LPARAM param) = 0;
  virtual INT_PTR dialogBox(HINSTANCE instance, int templateId, HWND owner, DLGPROC proc,
                            LPARAM param) = 0;
  virtual bool endDialog(HWND dialog, INT_PTR result) = 0;
  virtual bool destroyWindow(HWND window) = 0;

  // Controls of a dialog. A null dialog or an unknown id answers null / 0.
  virtual HWND dialogItem(HWND dialog, int item) = 0;
  virtual int controlId(HWND control) = 0;
  // SendDlgItemMessage.
  virtual LRESULT sendItemMessage(HWND dialog, int item, UINT message, WPARAM wParam,
                                  LPARAM lParam) = 0;
  // SetDlgItemText: an edit control notifies its dialog (EN_UPDATE, EN_CHANGE)
  // before this returns.
  virtual bool setItemText(HWND dialog, int item, const char* text) = 0;
  // GetDlgItemText into size bytes, always terminated; answers the length.
  virtual int itemText(HWND dialog, int item, char* text, int size) = 0;

  // Windows.
  virtual bool enableWindow(HWND window, bool enable) = 0;
  // SetFocus: answers the window that had the focus.
  virtual HWND setFocus(HWND window) = 0;
  virtual HWND focusedWindow() = 0;
  virtual bool showWindow(HWND window, int command) = 0;
  virtual bool windowRect(HWND window, RECT* rect) = 0;
  virtual bool setWindowPos(HWND window, HWND insertAfter, int x, int y, int width,
                            int height, UINT flags) = 0;

  // Input, metrics, timers and messages to the user.
  virtual bool cursorPos(POINT* point) = 0;
  virtual SHORT keyState(int virtualKey) = 0;
  virtual int systemMetric(int index) = 0;
  // SetTimer on a window: answers the timer's id, 0 on failure.
  virtual UINT_PTR setTimer(HWND window, UINT_PTR id, UINT milliseconds) = 0;
  virtual bool killTimer(HWND window, UINT_PTR id) = 0;
  // MessageBox: answers the button pressed.
  virtual int messageBox(HWND owner, const char* text, const char* caption,
                         UINT type) = 0;

  // The registry, as RegOpenKeyExA, RegCreateKeyExA (no class, options as
  // given), RegQueryValueExA, RegSetValueExA and RegCloseKey answer.
  virtual LONG openKey(HKEY root, const char* path, REGSAM access, HKEY* key) = 0;
  virtual LONG createKey(HKEY root, const char* path, DWORD options, REGSAM access,
                         HKEY* key) = 0;
  virtual LONG queryValue(HKEY key, const char* name, DWORD* type, BYTE* data,
                          DWORD* size) = 0;
  virtual LONG setValue(HKEY key, const char* name, DWORD type, const BYTE* data,
                        DWORD size) = 0;
  virtual LONG closeKey(HKEY key) = 0;
};

// The implementation the module uses: Win32 on Windows, headless natively.
WindowSystem& windowSystem();

// Puts another implementation in place; null restores the default. The caller
// keeps ownership and must restore the default before destroying it.
void setWindowSystem(WindowSystem* replacement);

}  // namespace jolvent
