// What a person at the screen can do and see, in Win32's own terms: the
// scenarios drive the panel through this alone, so that the same scenario
// runs against the headless window system natively and against the real
// windows of the DLL under Wine. Texts are code page 932 bytes.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/win32_types.h"

namespace jolvent::test {

// One thing the user does in a modal dialog, in order: type into a box
// (replacing its text), press a button (WM_COMMAND with the button's id),
// answer the message box the dialog shows by pressing its OK, or have a
// panel slider send the panel a WM_HSCROLL code meanwhile (as Wine's trackbar
// does with its second TB_ENDTRACK of a mouse release).
struct DialogStep {
  enum Kind { Type, Press, AnswerMessageBox, PanelScroll } kind;
  int item = 0;
  std::string text;
  int code = 0;
};

inline DialogStep typeStep(int item, std::string text) {
  return {DialogStep::Type, item, std::move(text)};
}
inline DialogStep pressStep(int item) {
  return {DialogStep::Press, item, {}};
}
inline DialogStep answerMessageBoxStep() {
  return {DialogStep::AnswerMessageBox, 0, {}};
}
inline DialogStep panelScrollStep(int slider, int code) {
  return {DialogStep::PanelScroll, slider, {}, code};
}

// A message box as the user saw it.
struct MessageBoxSeen {
  std::string text;
  std::string caption;
  UINT type = 0;  // MB_ICONINFORMATION etc., as far as the system can tell
};

// A modal dialog as the user saw it when it opened.
struct ModalSeen {
  std::string caption;
  std::vector<std::string> texts;  // of the items named in watchModalItems
};

class Desktop {
public:
  virtual ~Desktop() = default;

  // The panel the plug-in created, or null while there is none.
  virtual HWND panel() = 0;
  virtual HWND item(HWND dialog, int id) = 0;

  // SendMessage: the message reaches the window's procedure, or the
  // control's own, which notifies its dialog as the real control does.
  virtual LRESULT send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;
  // The user gives a window the keyboard focus (EN_SETFOCUS for a box).
  virtual void setFocus(HWND window) = 0;
  virtual HWND focus() = 0;

  virtual std::string text(HWND window) = 0;
  virtual bool enabled(HWND window) = 0;
  virtual bool visible(HWND window) = 0;
  virtual RECT rect(HWND window) = 0;
  // Moves the window's outer corner as a drag of its caption would.
  virtual void moveWindow(HWND window, int x, int y) = 0;

  virtual void setCursor(int x, int y) = 0;
  virtual void setControlKey(bool down) = 0;
  // Lets this much time pass on the user-interface thread: due timers fire.
  virtual void elapse(int milliseconds) = 0;

  // The next modal dialog the plug-in runs is answered by these steps; a step
  // the dialog does not take ends the test with a failure, and a dialog left
  // open when the steps run out is cancelled (WM_COMMAND 2) and reported.
  virtual void scriptModal(std::vector<DialogStep> steps,
                           std::vector<int> watchModalItems = {}) = 0;
  // What the user saw since the last call, oldest first.
  virtual std::vector<ModalSeen> takeModalsSeen() = 0;
  virtual std::vector<MessageBoxSeen> takeMessageBoxesSeen() = 0;
  // Problems of the driver itself (a script left unfinished, a step refused).
  virtual std::string problems() = 0;

  // The registry of the current user.
  virtual void deleteKey(const char* path) = 0;
  virtual std::optional<DWORD> readDword(const char* path, const char* name) = 0;
  virtual void writeDword(const char* path, const char* name, DWORD value) = 0;

  virtual int systemMetric(int index) = 0;
};

}  // namespace jolvent::test
