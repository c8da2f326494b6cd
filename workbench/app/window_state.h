// The main window's state and the actions on it that both the window and
// the script player take. Private to the workbench executable.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "workbench/app/camera.h"
#include "workbench/app/document_files.h"
#include "workbench/app/script.h"
#include "workbench/app/session.h"
#include "workbench/app/workbench_window.h"

namespace jolvent::workbench {

// The menus' items.
enum MenuId : UINT {
  kMenuOpen = 100,
  kMenuSave,
  kMenuExit,
  kMenuCommand,
  kMenuAttribute,
  kMenuRecording,
  kMenuJointDrop,
  kMenuRefresh,
  kMenuPlugins,
};

struct WorkbenchWindow::State {
  Session* session = nullptr;
  HWND main = nullptr;
  HWND tree = nullptr;
  HWND viewport = nullptr;
  HWND timeline = nullptr;
  HWND play = nullptr;
  HWND status = nullptr;
  HMENU pluginMenu = nullptr;
  Camera camera;
  bool dirty = true;
  bool dragging = false;
  bool dragMoved = false;
  POINT dragFrom{};
  std::string treeShape;  // the tree as last shown
  bool filling = false;
  bool playing = false;
  float playPosition = 0.0F;
  std::vector<int> ticks;
  // The script being played.
  std::vector<ScriptStep> steps;
  std::size_t nextStep = 0;
  int waitTicks = 0;
  // What a step does on later ticks, once the windows it opened are there
  // (a menu, a file dialog); each answers the ticks to wait after it.
  std::deque<std::function<int()>> followUps;
  // What the last File > Open or Save did.
  std::optional<DocumentResult> lastDocument;
  std::string outDir;
  int exitStatus = 0;
};

// The sequence advances this much a tick of playback.
inline constexpr float kPlayStep = 1.0F;

// Playing goes on from the current position, or starts over once it has
// reached the last key.
float playStart(Session& session);

// Selects the shapes as the user does, sending the active-shape notice.
void selectShapes(WorkbenchWindow::State& state,
                  const std::vector<standin::Shape*>& shapes);
// Moves the sequence, and the timeline's thumb with it.
void setPosition(WorkbenchWindow::State& state, float position);
// Shows the scene's tree, keys, status and viewport as they are now.
void refreshAll(WorkbenchWindow::State& state);

}  // namespace jolvent::workbench
