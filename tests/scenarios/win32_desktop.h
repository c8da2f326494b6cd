// The desktop of the real windows: the DLL's own dialogs, driven with the
// messages and input a user's actions produce. Windows only (run under Wine).
#pragma once

#include <string>
#include <vector>

#include "tests/scenarios/desktop.h"

namespace jolvent::test {

class Win32Desktop final : public Desktop {
public:
  Win32Desktop();
  ~Win32Desktop() override;
  Win32Desktop(const Win32Desktop&) = delete;
  Win32Desktop& operator=(const Win32Desktop&) = delete;

  HWND panel() override;
  HWND item(HWND dialog, int id) override;
  LRESULT send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void setFocus(HWND window) override;
  HWND focus() override;
  std::string text(HWND window) override;
  bool enabled(HWND window) override;
  bool visible(HWND window) override;
  RECT rect(HWND window) override;
  void moveWindow(HWND window, int x, int y) override;
  void setCursor(int x, int y) override;
  void setControlKey(bool down) override;
  void elapse(int milliseconds) override;
  void scriptModal(std::vector<DialogStep> steps,
                   std::vector<int> watchModalItems) override;
  std::vector<ModalSeen> takeModalsSeen() override;
  std::vector<MessageBoxSeen> takeMessageBoxesSeen() override;
  std::string problems() override;
  void deleteKey(const char* path) override;
  std::optional<DWORD> readDword(const char* path, const char* name) override;
  void writeDword(const char* path, const char* name, DWORD value) override;
  int systemMetric(int index) override;

  // One tick of the scripted user, from the thread timer inside a modal loop.
  void actOnModal();

private:
  HWND findOwnedDialog(HWND owner);

  std::vector<DialogStep> steps_;
  std::vector<int> watched_;
  std::size_t nextStep_ = 0;
  UINT_PTR timer_ = 0;
  HWND modal_ = nullptr;
  int idleTicks_ = 0;
  std::vector<ModalSeen> modalsSeen_;
  std::vector<MessageBoxSeen> messageBoxesSeen_;
  std::string problems_;
};

}  // namespace jolvent::test
