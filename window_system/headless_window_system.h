// A window system without a display: a model of the windows and controls the
// panel depends on, behaving as Win32 (as Wine shows it) does there.
//
// Dialogs are made from templates registered with addTemplate; each control
// is a child window with its own handle. Messages are delivered synchronously
// (there is no queue): notifications a real control sends its dialog reach
// the dialog procedure before the request that caused them returns.
//
// Geometry: one horizontal dialog unit is kBaseUnitX / 4 pixels and one
// vertical unit kBaseUnitY / 8 pixels, rounded as MulDiv does, whatever the
// template's font. A captioned pop-up gets a frame of SM_CXDLGFRAME x
// SM_CYDLGFRAME and a caption of SM_CYSMCAPTION (tool window) or SM_CYCAPTION
// above its client area; other windows have no frame. DS_CENTER centres the
// window on the 1280 x 1024 screen; otherwise the template position is the
// outer corner, from the owner's client origin when the model made the owner,
// from the screen origin when not.
//
// Modal dialogs and message boxes are answered by scripted users (see
// setModalUser, setMessageBoxUser); what the model had to decide for a missing
// or idle user is recorded in problems().
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32_types.h"
#include "window_system/dialog_template.h"
#include "window_system/headless_registry.h"
#include "window_system/window_system.h"

namespace jolvent {

class HeadlessWindowSystem final : public WindowSystem {
public:
  static constexpr int kBaseUnitX = 6;
  static constexpr int kBaseUnitY = 12;
  static constexpr int kScreenWidth = 1280;
  static constexpr int kScreenHeight = 1024;
  // Requests for shorter timer periods run at this one, as USER_TIMER_MINIMUM.
  static constexpr UINT kMinimumTimerPeriod = 10;
  // Rounds a modal user may take without ending its dialog before the model
  // gives up on it.
  static constexpr int kMaximumModalRounds = 1000;

  struct Trackbar {
    int minimum = 0;
    int maximum = 100;
    int position = 0;
    int selectionStart = 0;
    int selectionEnd = 0;
    int pageSize = 20;
    bool pageSizeSet = false;  // a page size asked for outlives range changes
    int lineSize = 1;
    std::vector<int> tics;
  };

  struct Timer {
    UINT period = 0;
    long long due = 0;  // on the virtual clock, in milliseconds
    long long order = 0;
  };

  struct Window {
    enum class Kind { Dialog, Control, External };
    Kind kind = Kind::Dialog;
    HWND parent = nullptr;  // the dialog of a control
    HWND owner = nullptr;
    int id = 0;
    std::string className;  // of a control, as in its template
    std::string text;       // code page 932
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT rect{};  // screen for top-level windows, the parent's client area for controls
    bool visible = false;
    bool enabled = true;
    DLGPROC proc = nullptr;
    std::vector<HWND> children;
    bool modal = false;
    bool ownerWasEnabled = false;  // a modal dialog gives its owner back as it found it
    bool ended = false;
    INT_PTR result = 0;
    Trackbar trackbar;
    unsigned textLimit = 30000;
    LRESULT check = BST_UNCHECKED;
    std::map<UINT_PTR, Timer> timers;
  };

  struct MessageBoxRecord {
    HWND owner = nullptr;
    std::string text;
    std::string caption;
    UINT type = 0;
  };

  // --- The window system the plug-in sees (each request is logged) ---
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

  // enableWindow answers whether the window was disabled, as EnableWindow.
  bool enableWindow(HWND window, bool enable) override;
  HWND setFocus(HWND window) override;
  HWND focusedWindow() override;
  // Answers whether the window was visible; SW_HIDE hides, any other command shows.
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

  // --- For tests: what a user and the rest of the desktop do (not logged) ---

  // The template createDialog and dialogBox make dialogs from, by id; the
  // module instance they are asked for is ignored. The controls are copied.
  void addTemplate(const DialogTemplate& dialogTemplate);

  // SendMessage: a dialog's procedure answers (the caption's texts and
  // WM_CLOSE are handled as the default dialog procedure does when it does
  // not); a control's model answers and notifies its dialog.
  LRESULT sendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // The user gives the focus (EN_KILLFOCUS and EN_SETFOCUS as SetFocus).
  void giveFocus(HWND window);
  // The user drags the window's outer corner there (WM_MOVE when it moves).
  void moveWindow(HWND window, int x, int y);

  // Dialog item, state and geometry without a request.
  HWND item(HWND dialog, int id) const;
  std::string text(HWND window) const;
  bool isEnabled(HWND window) const;
  // IsWindowVisible: the window and every parent visible.
  bool isVisible(HWND window) const;
  HWND focus() const { return focus_; }
  RECT rect(HWND window) const;  // in screen pixels; empty for unknown windows
  // Dialogs alive, in the order they were made.
  std::vector<HWND> dialogs() const;

  void setModalUser(std::function<void(HWND dialog)> user);
  void setMessageBoxUser(std::function<int(const MessageBoxRecord&)> user);
  const std::vector<MessageBoxRecord>& messageBoxes() const { return messageBoxes_; }
  // One line for each thing the model had to decide for a user that was
  // missing or idle, or a template that was missing; empty when none.
  std::string problems() const;

  void setKeyDown(int virtualKey, bool down);
  void setCursorPos(int x, int y);  // held on the screen, as SetCursorPos
  // Lets this much time pass: due timers deliver WM_TIMER in time order.
  void elapse(int milliseconds);
  long long clock() const { return now_; }

  HeadlessRegistry& registry() { return registry_; }
  static int metric(int index);

  // A bare top-level window with no procedure and no controls, for requests
  // that need only a handle.
  HWND createWindow();
  // A running timer as setTimer starts it, without a request.
  void startTimer(HWND window, UINT_PTR timer, UINT milliseconds = 100);

  // The window's record, or null once it is destroyed or never existed.
  const Window* window(HWND window) const;

  // One line per request of the plug-in, in order, whatever window it was
  // for, with its arguments but the windows: "sendItemMessage 1001 TBM_SETSEL
  // 1 0x0168fe98" (item, message, wParam, lParam), "killTimer 1",
  // "destroyWindow", "setItemText 1012 0.000000".
  const std::vector<std::string>& log() const { return log_; }
  void clearLog() { log_.clear(); }

private:
  // The window table (headless_window_system.cpp).
  Window* find(HWND window);
  const Window* find(HWND window) const;
  Window& external(HWND window);
  HWND newHandle();
  bool madeHere(HWND window) const;
  bool contains(HWND ancestor, HWND window) const;
  void problem(std::string text);
  void setVisible(HWND window, bool visible);
  void destroy(HWND window);

  // Dialogs (headless_dialogs.cpp).
  HWND makeDialog(int templateId, HWND owner, DLGPROC proc, LPARAM param, bool modal,
                  bool ownerWasEnabled);
  void endModal(HWND dialog, INT_PTR result);

  // Messages (headless_messages.cpp) and the controls' models
  // (headless_controls.cpp).
  // Delivers to the dialog procedure; 0 when the window has none or is gone.
  INT_PTR callProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT dialogMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT controlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT trackbarMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT editMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT buttonMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT textMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void notifyParent(HWND control, int code);
  void trackbarNotify(HWND control, int code);

  // Focus (headless_input.cpp).
  HWND changeFocus(HWND window);

  // Geometry (headless_geometry.cpp).
  bool changeWindowPos(HWND window, int x, int y, int width, int height, UINT flags);
  POINT clientOrigin(const Window& window) const;
  void frame(const Window& window, int* left, int* top, int* right, int* bottom) const;

  // A template with its own copy of every text, so the caller's may go.
  struct StoredControl {
    ControlTemplate control;
    std::string className;
    std::string text;
  };
  struct StoredTemplate {
    DialogTemplate dialog;
    std::string caption;
    std::vector<StoredControl> controls;
  };

  std::map<int, StoredTemplate> templates_;
  std::map<HWND, Window> windows_;
  std::vector<HWND> order_;
  HWND focus_ = nullptr;
  std::map<int, bool> keysDown_;
  POINT cursor_{0, 0};
  long long now_ = 0;
  long long timerOrder_ = 0;
  unsigned long long activity_ = 0;
  std::function<void(HWND)> modalUser_;
  std::function<int(const MessageBoxRecord&)> messageBoxUser_;
  std::vector<MessageBoxRecord> messageBoxes_;
  std::vector<std::string> problems_;
  HeadlessRegistry registry_;
  std::vector<std::string> log_;
  std::uintptr_t nextWindow_ = 0x1000;
};

}  // namespace jolvent
