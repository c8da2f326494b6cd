// Playing a session script in the running workbench, with real input where
// a user's input matters.
#include "workbench/app/workbench_window.h"

#include <windows.h>

#include <commctrl.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "workbench/app/document_files.h"
#include "workbench/app/owned_windows.h"
#include "workbench/app/plugins_window.h"
#include "workbench/app/scene_dump.h"
#include "workbench/app/screen_capture.h"
#include "workbench/app/skeleton_view.h"
#include "workbench/app/synthetic_input.h"
#include "workbench/app/win32_text.h"
#include "workbench/app/window_state.h"

namespace jolvent::workbench {

// Playing a script. A thread timer drives it, so that it goes on inside the
// modal loops the panel's dialogs run.
namespace {

WorkbenchWindow::State* playing = nullptr;

constexpr UINT kStepMilliseconds = 100;
constexpr int kSettleTicks = 3;
// Playback may take this many ticks of the script (a minute), and the
// arrow keys that step the timeline this many (five seconds).
constexpr int kPlaybackTicks = 600;
constexpr int kInputTicks = 50;
// The joint value dialog's minimum, current and maximum boxes.
constexpr int kDialogBoxes[] = {1007, 1008, 1009};

// The middle of a window, on the screen.
POINT controlCentre(HWND control) {
  RECT place;
  GetWindowRect(control, &place);
  return {(place.left + place.right) / 2, (place.top + place.bottom) / 2};
}

// The tree's item for shape, searched from item and the items after it.
HTREEITEM treeItemOf(HWND tree, HTREEITEM item, const standin::Shape* shape) {
  for (; item != nullptr; item = TreeView_GetNextSibling(tree, item)) {
    TVITEMW data{};
    data.mask = TVIF_PARAM;
    data.hItem = item;
    TreeView_GetItem(tree, &data);
    if (reinterpret_cast<const standin::Shape*>(data.lParam) == shape) return item;
    if (HTREEITEM found = treeItemOf(tree, TreeView_GetChild(tree, item), shape))
      return found;
  }
  return nullptr;
}

// The centre of a slider's thumb, on the screen.
POINT thumbOf(HWND slider) {
  RECT thumb{};
  SendMessageW(slider, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  POINT centre{(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2};
  ClientToScreen(slider, &centre);
  return centre;
}

HWND panelControl(const WorkbenchWindow::State& state, const std::string& id) {
  HWND panel = panelOf(state.main);
  if (panel == nullptr) throw ScriptError("the panel is not open");
  HWND control = GetDlgItem(panel, std::stoi(id));
  if (control == nullptr) throw ScriptError("the panel has no control " + id);
  return control;
}

// Waits a tick at a time until done answers true, for at most ticksLeft
// ticks; then the step fails with why.
int waitUntil(WorkbenchWindow::State& state, std::function<bool()> done, int ticksLeft,
              std::string why) {
  if (done()) return 1;
  if (ticksLeft == 0) throw ScriptError(why);
  state.followUps.emplace_front(
      [&state, done = std::move(done), ticksLeft, why = std::move(why)]() mutable {
        return waitUntil(state, std::move(done), ticksLeft - 1, std::move(why));
      });
  return 1;
}

// Clicks open the menu that holds the item, and has the next tick click the
// item in it.
void openMenuFor(WorkbenchWindow::State& state, UINT item) {
  HMENU bar = GetMenu(state.main);
  for (int menu = 0; menu < GetMenuItemCount(bar); ++menu) {
    HMENU popup = GetSubMenu(bar, menu);
    for (int index = 0; index < GetMenuItemCount(popup); ++index) {
      if (GetMenuItemID(popup, index) != item) continue;
      RECT place{};
      GetMenuItemRect(state.main, bar, static_cast<UINT>(menu), &place);
      clickAt({(place.left + place.right) / 2, (place.top + place.bottom) / 2});
      const auto itemPlace = [popup, index](RECT& shown) {
        return GetMenuItemRect(nullptr, popup, static_cast<UINT>(index), &shown) != FALSE;
      };
      state.followUps.emplace_back([&state, itemPlace] {
        return waitUntil(
            state,
            [itemPlace] {
              RECT shown{};
              return itemPlace(shown);
            },
            kInputTicks, "the menu did not open");
      });
      state.followUps.emplace_back([itemPlace] {
        RECT shown{};
        itemPlace(shown);
        clickAt({(shown.left + shown.right) / 2, (shown.top + shown.bottom) / 2});
        return kSettleTicks;
      });
      return;
    }
  }
  throw ScriptError("no menu item " + std::to_string(item));
}

// The system's file dialog over the main window gets the path typed into its
// file name box and OK.
constexpr int kFileNameBox = 0x47C;

HWND fileDialogOver(HWND main) {
  for (HWND window : ownedWindows(main))
    if (GetDlgItem(window, kFileNameBox) != nullptr) return window;
  return nullptr;
}

int answerFileDialog(const WorkbenchWindow::State& state, const std::string& path) {
  HWND dialog = fileDialogOver(state.main);
  if (dialog == nullptr) throw ScriptError("no file dialog is open");
  SetDlgItemTextW(dialog, kFileNameBox, wide(path).c_str());
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  return kSettleTicks;
}

// After File > Open or Save: its warnings on stdout, its message box
// answered, and its error the step's.
int finishDocument(WorkbenchWindow::State& state, int line) {
  if (!state.lastDocument) {
    // The dialog says why in a message box of its own.
    std::string why;
    if (HWND box = modalDialogOver(state.main))
      if (HWND text = GetDlgItem(box, kMessageBoxTextId))
        why = ": " + utf8(windowText(text));
    throw ScriptError("the file dialog did not take the path" + why);
  }
  const DocumentResult result = *state.lastDocument;
  for (const std::string& warning : result.warnings)
    std::printf("line %d: warning: %s\n", line, warning.c_str());
  if (HWND box = messageBoxOwnedBy(state.main))
    PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
  if (!result.error.empty()) throw ScriptError(result.error);
  return kSettleTicks;
}

standin::Shape& shapeNamed(WorkbenchWindow::State& state, const std::string& name) {
  standin::Shape* shape = state.session->scene().findByName(name);
  if (shape == nullptr) throw ScriptError("no shape named " + name);
  return *shape;
}

// Does one step; answers how many ticks to let pass before the next.
int performStep(WorkbenchWindow::State& state, const ScriptStep& step) {
  Session& session = *state.session;
  const std::vector<std::string>& a = step.arguments;
  const std::string& verb = step.verb;
  if (verb == "select") {
    standin::Shape& wanted = shapeNamed(state, a[0]);
    refreshAll(state);  // the tree as the scene is now
    HTREEITEM item = treeItemOf(state.tree, TreeView_GetRoot(state.tree), &wanted);
    if (item == nullptr) throw ScriptError(a[0] + " is not in the scene's tree");
    TreeView_EnsureVisible(state.tree, item);
    RECT place{};
    // TVM_GETITEMRECT takes the item in the rectangle it fills.
    std::memcpy(&place, &item, sizeof item);
    SendMessageW(state.tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&place));
    POINT screen{(place.left + place.right) / 2, (place.top + place.bottom) / 2};
    ClientToScreen(state.tree, &screen);
    if (WindowFromPoint(screen) != state.tree)
      throw ScriptError(a[0] + " is hidden in the scene's tree");
    clickAt(screen);
    return kSettleTicks;
  } else if (verb == "click-joint") {
    standin::Shape& wanted = shapeNamed(state, a[0]);
    RECT area;
    GetClientRect(state.viewport, &area);
    for (const DrawnJoint& joint : viewOf(session.scene()).joints) {
      if (joint.shape != &wanted) continue;
      const ScreenPoint at =
          project(state.camera, area.right, area.bottom, joint.position);
      POINT screen{std::lround(at.x), std::lround(at.y)};
      ClientToScreen(state.viewport, &screen);
      // A real click lands on whatever is there: the panel may cover the joint.
      if (!at.visible || WindowFromPoint(screen) != state.viewport)
        throw ScriptError(a[0] + " is hidden in the viewport");
      clickAt(screen);
      return kSettleTicks;
    }
    throw ScriptError(a[0] + " is not a joint in the viewport");
  } else if (verb == "command") {
    openMenuFor(state, kMenuCommand);
    state.followUps.emplace_back([] { return 2; });  // the panel takes longer to show
  } else if (verb == "attribute") {
    openMenuFor(state, kMenuAttribute);
  } else if (verb == "joint-drop") {
    openMenuFor(state, kMenuJointDrop);
  } else if (verb == "refresh") {
    openMenuFor(state, kMenuRefresh);
  } else if (verb == "drag") {
    HWND slider = panelControl(state, a[0]);
    restackOwnedWindows(state.main);
    RECT main;
    GetWindowRect(state.main, &main);
    dragAt(thumbOf(slider), std::stoi(a[1]), main);
    return kSettleTicks;
  } else if (verb == "ctrl-drag") {
    // Ctrl held with the keyboard through a short drag of the thumb: the
    // slider's first drag notice opens the dialog while the button is down.
    HWND slider = panelControl(state, a[0]);
    restackOwnedWindows(state.main);
    ctrlDragAt(thumbOf(slider), 3);
    return kSettleTicks;
  } else if (verb == "dialog") {
    HWND dialog = dialogOverPanel(state.main);
    if (dialog == nullptr) throw ScriptError("no dialog is open");
    for (std::size_t i = 0; i < 3; ++i) {
      HWND box = GetDlgItem(dialog, kDialogBoxes[i]);
      if (box == nullptr)
        throw ScriptError("the dialog has no box " + std::to_string(kDialogBoxes[i]));
      // One box a tick: input goes to the box with the focus when it arrives.
      state.followUps.emplace_back([box, text = a[i]] {
        typeInto(box, text);
        return kSettleTicks;
      });
    }
    state.followUps.emplace_back([dialog] {
      clickAt(controlCentre(GetDlgItem(dialog, IDOK)));
      return kSettleTicks;
    });
  } else if (verb == "answer") {
    HWND box = messageBoxOverPanel(state.main);
    if (box == nullptr) throw ScriptError("no message box is open");
    clickAt(controlCentre(GetDlgItem(box, IDOK)));
    return kSettleTicks;
  } else if (verb == "type") {
    typeInto(panelControl(state, a[0]), a[1]);
    return kSettleTicks;
  } else if (verb == "press") {
    HWND button = panelControl(state, a[0]);
    restackOwnedWindows(state.main);
    const POINT centre = controlCentre(button);
    if (WindowFromPoint(centre) != button)
      throw ScriptError("the panel's control " + a[0] + " is hidden");
    clickAt(centre);
    return kSettleTicks;
  } else if (verb == "record") {
    // The menu item turns recording over.
    if (session.recording() != (a[0] == "on")) openMenuFor(state, kMenuRecording);
  } else if (verb == "position") {
    // As a user sets a frame exactly: the timeline's thumb clicked, then
    // stepped with the arrow keys.
    HWND timeline = state.timeline;
    const int wanted = std::stoi(a[0]);
    const auto now = static_cast<int>(SendMessageW(timeline, TBM_GETPOS, 0, 0));
    if (now == wanted) return 1;
    const POINT thumb = thumbOf(timeline);
    if (WindowFromPoint(thumb) != timeline) throw ScriptError("the timeline is hidden");
    clickAt(thumb);
    pressKey(wanted > now ? VK_RIGHT : VK_LEFT, std::abs(wanted - now));
    state.followUps.emplace_back([&state, wanted] {
      return waitUntil(
          state,
          [&state, wanted] {
            return state.session->scene().sequencePosition() ==
                   static_cast<float>(wanted);
          },
          kInputTicks, "the timeline did not reach " + std::to_string(wanted));
    });
    return 1;
  } else if (verb == "play") {
    const POINT centre = controlCentre(state.play);
    if (WindowFromPoint(centre) != state.play)
      throw ScriptError("the Play button is hidden");
    clickAt(centre);
    state.followUps.emplace_back([&state] {
      return waitUntil(
          state, [&state] { return !state.playing; }, kPlaybackTicks,
          "playback did not end");
    });
  } else if (verb == "save" || verb == "open") {
    const std::string path =
        a[0].find_first_of("/\\") == std::string::npos ? state.outDir + "/" + a[0] : a[0];
    if (verb == "open" &&
        GetFileAttributesW(wide(path).c_str()) == INVALID_FILE_ATTRIBUTES)
      throw ScriptError("there is no file " + path);
    // Typed as a whole path, which does not depend on the dialog's folder.
    std::wstring full(MAX_PATH, L'\0');
    full.resize(GetFullPathNameW(wide(path).c_str(), MAX_PATH, full.data(), nullptr));
    state.lastDocument.reset();
    openMenuFor(state, verb == "open" ? kMenuOpen : kMenuSave);
    state.followUps.emplace_back([&state] {
      return waitUntil(
          state, [&state] { return fileDialogOver(state.main) != nullptr; }, kInputTicks,
          "no file dialog opened");
    });
    state.followUps.emplace_back(
        [&state, typed = utf8(full)] { return answerFileDialog(state, typed); });
    // Done when the file is read or written, or the dialog refuses the path
    // in a message box of its own.
    state.followUps.emplace_back([&state] {
      return waitUntil(
          state,
          [&state] {
            HWND dialog = fileDialogOver(state.main);
            return state.lastDocument.has_value() ||
                   (dialog != nullptr && messageBoxOwnedBy(dialog) != nullptr);
          },
          kInputTicks, "the file dialog did not answer");
    });
    state.followUps.emplace_back(
        [&state, line = step.line] { return finishDocument(state, line); });
    return 1;
  } else if (verb == "screenshot") {
    refreshAll(state);
    UpdateWindow(state.viewport);
    screenshot(state, state.outDir + "/" + a[0] + ".png");
  } else if (verb == "plugins") {
    // Shown, read back, pictured and closed with its own button.
    HWND window = showPluginsWindow(state.main, session.description());
    UpdateWindow(window);
    const std::string path = state.outDir + "/" + a[0] + ".txt";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) throw ScriptError("cannot write " + path);
    const std::string text = pluginsWindowText(window);
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);
    screenshot(state, state.outDir + "/" + a[0] + ".png");
    PostMessageW(GetDlgItem(window, IDCANCEL), BM_CLICK, 0, 0);
    return kSettleTicks;
  } else if (verb == "dump") {
    const std::string path = state.outDir + "/dump.txt";
    std::FILE* file = std::fopen(path.c_str(), "ab");
    if (file == nullptr) throw ScriptError("cannot write " + path);
    std::fprintf(file, "# line %d\n%s", step.line, dumpScene(session.scene()).c_str());
    std::fclose(file);
  }
  return 1;
}

void CALLBACK scriptTick(HWND, UINT, UINT_PTR timer, DWORD) {
  WorkbenchWindow::State& state = *playing;
  if (state.waitTicks > 0) {
    --state.waitTicks;
    return;
  }
  if (state.dirty) refreshAll(state);
  const bool followingUp = !state.followUps.empty();
  if (!followingUp && state.nextStep >= state.steps.size()) {
    // The dialogs a failed step left open are cancelled first: the window
    // they belong to must not go while their modal loops run.
    if (HWND dialog = modalDialogOver(state.main)) {
      PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
      state.waitTicks = 1;
      return;
    }
    KillTimer(nullptr, timer);
    playing = nullptr;
    PostMessageW(state.main, WM_CLOSE, 0, 0);
    return;
  }
  const ScriptStep& step =
      state.steps[followingUp ? state.nextStep - 1 : state.nextStep++];
  try {
    if (followingUp) {
      const std::function<int()> next = std::move(state.followUps.front());
      state.followUps.pop_front();
      state.waitTicks = next();
    } else {
      state.waitTicks = performStep(state, step);
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "line %d: %s: %s\n", step.line, step.verb.c_str(), error.what());
    state.exitStatus = 1;
    state.nextStep = state.steps.size();
    state.followUps.clear();
  }
  std::fflush(stdout);
}

}  // namespace

void WorkbenchWindow::playScript(std::vector<ScriptStep> steps, std::string outDir) {
  state_->steps = std::move(steps);
  state_->outDir = std::move(outDir);
  state_->nextStep = 0;
  state_->waitTicks = kSettleTicks;
  // Each dump is added to one file, begun afresh for every run.
  std::remove((state_->outDir + "/dump.txt").c_str());
  playing = state_.get();
  SetTimer(nullptr, 0, kStepMilliseconds, scriptTick);
}

}  // namespace jolvent::workbench
