// A window system without a display: windows and controls are plain records,
// and every request is logged so tests can see what the plug-in asked for.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "window_system/window_system.h"

namespace jolvent {

class HeadlessWindowSystem final : public WindowSystem {
public:
  struct Trackbar {
    int selectionStart = 0;
    int selectionEnd = 0;
  };

  struct Window {
    std::map<int, Trackbar> trackbars;
    std::vector<UINT_PTR> timers;
  };

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
  bool killTimer(HWND window, UINT_PTR timer) override;
  int messageBox(HWND owner, const char* text, const char* caption, UINT type) override;

  LONG openKey(HKEY root, const char* path, REGSAM access, HKEY* key) override;
  LONG createKey(HKEY root, const char* path, DWORD options, REGSAM access,
                 HKEY* key) override;
  LONG queryValue(HKEY key, const char* name, DWORD* type, BYTE* data,
                  DWORD* size) override;
  LONG setValue(HKEY key, const char* name, DWORD type, const BYTE* data,
                DWORD size) override;
  LONG closeKey(HKEY key) override;

  // Makes a window for the plug-in to talk to.
  HWND createWindow();
  void startTimer(HWND window, UINT_PTR timer);

  // The window's record, or null once it is destroyed or never existed.
  const Window* window(HWND window) const;

  // One line per request, in order, whatever window it was for, with every
  // argument but the window: "sendItemMessage 1001 TBM_SETSEL 1 0x0168fe98"
  // (item, message, wParam, lParam), "killTimer 1", "destroyWindow".
  const std::vector<std::string>& log() const { return log_; }

private:
  std::map<HWND, Window> windows_;
  std::vector<std::string> log_;
  std::uintptr_t nextWindow_ = 0x1000;
};

}  // namespace jolvent
