// The scenarios' user at the screen of the headless window system.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tests/scenarios/desktop.h"
#include "window_system/headless_window_system.h"

namespace jolvent::test {

class HeadlessDesktop final : public Desktop {
public:
  explicit HeadlessDesktop(HeadlessWindowSystem& windows);
  ~HeadlessDesktop() override;

  // The modeless dialog the plug-in created (the first alive), or null.
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
                   std::vector<int> watchModalItems = {}) override;
  std::vector<ModalSeen> takeModalsSeen() override;
  std::vector<MessageBoxSeen> takeMessageBoxesSeen() override;
  // The driver's own problems, then the window system's.
  std::string problems() override;

  void deleteKey(const char* path) override;
  std::optional<DWORD> readDword(const char* path, const char* name) override;
  void writeDword(const char* path, const char* name, DWORD value) override;

  int systemMetric(int index) override;

private:
  void actIn(HWND dialog);
  int answerMessageBox(const HeadlessWindowSystem::MessageBoxRecord& box);

  HeadlessWindowSystem& windows_;
  std::vector<DialogStep> steps_;
  std::size_t nextStep_ = 0;
  std::vector<int> watched_;
  std::vector<HWND> seenDialogs_;
  std::vector<ModalSeen> modalsSeen_;
  std::vector<MessageBoxSeen> messageBoxesSeen_;
  std::vector<std::string> problems_;
  int modalDepth_ = 0;
};

}  // namespace jolvent::test
