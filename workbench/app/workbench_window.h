// The workbench's main window: viewport, scene tree, timeline, menus and
// status bar over one session. The panel the plug-in opens is owned by it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/win32_types.h"
#include "workbench/app/script.h"

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
  // Plays the script's steps one by one while the loop runs, writing what it
  // makes into outDir, then closes the window. run() answers 1 when a step
  // failed (reported on stderr with its line number).
  void playScript(std::vector<ScriptStep> steps, std::string outDir);

  struct State;

private:
  std::unique_ptr<State> state_;
};

}  // namespace jolvent::workbench
