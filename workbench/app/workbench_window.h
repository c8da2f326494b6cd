// The workbench's main window: viewport, scene tree, timeline, menus and
// status bar over one session. The panel the plug-in opens is owned by it.
#pragma once

#include <memory>

#include "platform/win32_types.h"

namespace jolvent::workbench {

class Session;

class WorkbenchWindow {
public:
  explicit WorkbenchWindow(Session& session);
  ~WorkbenchWindow();
  WorkbenchWindow(const WorkbenchWindow&) = delete;
  WorkbenchWindow& operator=(const WorkbenchWindow&) = delete;

  HWND handle() const;
  void show();
  // The message loop, until the window is closed.
  int run();

  struct State;

private:
  std::unique_ptr<State> state_;
};

}  // namespace jolvent::workbench
