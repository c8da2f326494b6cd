// The script's steps as the workbench's windows do them, with real input
// where a user's input matters.
#include "workbench/app/window_steps.h"

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
#include "workbench/app/script_steps.h"
#include "workbench/app/skeleton_view.h"
#include "workbench/app/synthetic_input.h"
#include "workbench/app/win32_text.h"

namespace jolvent::workbench {

namespace {

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

// The steps done in the workbench's windows. One is made for each step, so
// what a step leaves for later ticks holds the window's state, not this.
class WindowSteps final : public StepPlayer {
public:
  explicit WindowSteps(WorkbenchWindow::State& state) : state_(state) {}

  int select(const ScriptStep& step) override;
  int clickJoint(const ScriptStep& step) override;
  int command(const ScriptStep& step) override;
  int attribute(const ScriptStep& step) override;
  int jointDrop(const ScriptStep& step) override;
  int refresh(const ScriptStep& step) override;
  int drag(const ScriptStep& step) override;
  int ctrlDrag(const ScriptStep& step) override;
  int dialog(const ScriptStep& step) override;
  int answer(const ScriptStep& step) override;
  int type(const ScriptStep& step) override;
  int press(const ScriptStep& step) override;
  int record(const ScriptStep& step) override;
  int position(const ScriptStep& step) override;
  int play(const ScriptStep& step) override;
  int save(const ScriptStep& step) override;
  int open(const ScriptStep& step) override;
  int screenshot(const ScriptStep& step) override;
  int plugins(const ScriptStep& step) override;
  int dump(const ScriptStep& step) override;

private:
  // File > Open or Save, the path typed into the system's dialog.
  int document(const ScriptStep& step, UINT menuItem);

  WorkbenchWindow::State& state_;
};

int WindowSteps::select(const ScriptStep& step) {
  const std::string& name = step.arguments[0];
  standin::Shape& wanted = shapeNamed(state_, name);
  refreshAll(state_);  // the tree as the scene is now
  HTREEITEM item = treeItemOf(state_.tree, TreeView_GetRoot(state_.tree), &wanted);
  if (item == nullptr) throw ScriptError(name + " is not in the scene's tree");
  TreeView_EnsureVisible(state_.tree, item);
  RECT place{};
  // TVM_GETITEMRECT takes the item in the rectangle it fills.
  std::memcpy(&place, &item, sizeof item);
  SendMessageW(state_.tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&place));
  POINT screen{(place.left + place.right) / 2, (place.top + place.bottom) / 2};
  ClientToScreen(state_.tree, &screen);
  if (WindowFromPoint(screen) != state_.tree)
    throw ScriptError(name + " is hidden in the scene's tree");
  clickAt(screen);
  return kSettleTicks;
}

int WindowSteps::clickJoint(const ScriptStep& step) {
  const std::string& name = step.arguments[0];
  standin::Shape& wanted = shapeNamed(state_, name);
  RECT area;
  GetClientRect(state_.viewport, &area);
  for (const DrawnJoint& joint : viewOf(state_.session->scene()).joints) {
    if (joint.shape != &wanted) continue;
    const ScreenPoint at =
        project(state_.camera, area.right, area.bottom, joint.position);
    POINT screen{std::lround(at.x), std::lround(at.y)};
    ClientToScreen(state_.viewport, &screen);
    // A real click lands on whatever is there: the panel may cover the joint.
    if (!at.visible || WindowFromPoint(screen) != state_.viewport)
      throw ScriptError(name + " is hidden in the viewport");
    clickAt(screen);
    return kSettleTicks;
  }
  throw ScriptError(name + " is not a joint in the viewport");
}

int WindowSteps::command(const ScriptStep&) {
  openMenuFor(state_, kMenuCommand);
  state_.followUps.emplace_back([] { return 2; });  // the panel takes longer to show
  return 1;
}

int WindowSteps::attribute(const ScriptStep&) {
  openMenuFor(state_, kMenuAttribute);
  return 1;
}

int WindowSteps::jointDrop(const ScriptStep&) {
  openMenuFor(state_, kMenuJointDrop);
  return 1;
}

int WindowSteps::refresh(const ScriptStep&) {
  openMenuFor(state_, kMenuRefresh);
  return 1;
}

int WindowSteps::drag(const ScriptStep& step) {
  HWND slider = panelControl(state_, step.arguments[0]);
  restackOwnedWindows(state_.main);
  RECT main;
  GetWindowRect(state_.main, &main);
  dragAt(thumbOf(slider), std::stoi(step.arguments[1]), main);
  return kSettleTicks;
}

int WindowSteps::ctrlDrag(const ScriptStep& step) {
  // Ctrl held with the keyboard through a short drag of the thumb: the
  // slider's first drag notice opens the dialog while the button is down.
  HWND slider = panelControl(state_, step.arguments[0]);
  restackOwnedWindows(state_.main);
  ctrlDragAt(thumbOf(slider), 3);
  return kSettleTicks;
}

int WindowSteps::dialog(const ScriptStep& step) {
  HWND dialog = dialogOverPanel(state_.main);
  if (dialog == nullptr) throw ScriptError("no dialog is open");
  for (std::size_t i = 0; i < 3; ++i) {
    HWND box = GetDlgItem(dialog, kDialogBoxes[i]);
    if (box == nullptr)
      throw ScriptError("the dialog has no box " + std::to_string(kDialogBoxes[i]));
    // One box a tick: input goes to the box with the focus when it arrives.
    state_.followUps.emplace_back([box, text = step.arguments[i]] {
      typeInto(box, text);
      return kSettleTicks;
    });
  }
  state_.followUps.emplace_back([dialog] {
    clickAt(controlCentre(GetDlgItem(dialog, IDOK)));
    return kSettleTicks;
  });
  return 1;
}

int WindowSteps::answer(const ScriptStep&) {
  HWND box = messageBoxOverPanel(state_.main);
  if (box == nullptr) throw ScriptError("no message box is open");
  clickAt(controlCentre(GetDlgItem(box, IDOK)));
  return kSettleTicks;
}

int WindowSteps::type(const ScriptStep& step) {
  typeInto(panelControl(state_, step.arguments[0]), step.arguments[1]);
  return kSettleTicks;
}

int WindowSteps::press(const ScriptStep& step) {
  HWND button = panelControl(state_, step.arguments[0]);
  restackOwnedWindows(state_.main);
  const POINT centre = controlCentre(button);
  if (WindowFromPoint(centre) != button)
    throw ScriptError("the panel's control " + step.arguments[0] + " is hidden");
  clickAt(centre);
  return kSettleTicks;
}

int WindowSteps::record(const ScriptStep& step) {
  // The menu item turns recording over.
  if (state_.session->recording() != (step.arguments[0] == "on"))
    openMenuFor(state_, kMenuRecording);
  return 1;
}

int WindowSteps::position(const ScriptStep& step) {
  // As a user sets a frame exactly: the timeline's thumb clicked, then
  // stepped with the arrow keys.
  HWND timeline = state_.timeline;
  const int wanted = std::stoi(step.arguments[0]);
  const auto now = static_cast<int>(SendMessageW(timeline, TBM_GETPOS, 0, 0));
  if (now == wanted) return 1;
  const POINT thumb = thumbOf(timeline);
  if (WindowFromPoint(thumb) != timeline) throw ScriptError("the timeline is hidden");
  clickAt(thumb);
  pressKey(wanted > now ? VK_RIGHT : VK_LEFT, std::abs(wanted - now));
  state_.followUps.emplace_back([&state = state_, wanted] {
    return waitUntil(
        state,
        [&state, wanted] {
          return state.session->scene().sequencePosition() == static_cast<float>(wanted);
        },
        kInputTicks, "the timeline did not reach " + std::to_string(wanted));
  });
  return 1;
}

int WindowSteps::play(const ScriptStep&) {
  const POINT centre = controlCentre(state_.play);
  if (WindowFromPoint(centre) != state_.play)
    throw ScriptError("the Play button is hidden");
  clickAt(centre);
  state_.followUps.emplace_back([&state = state_] {
    return waitUntil(
        state, [&state] { return !state.playing; }, kPlaybackTicks,
        "playback did not end");
  });
  return 1;
}

int WindowSteps::save(const ScriptStep& step) {
  return document(step, kMenuSave);
}

int WindowSteps::open(const ScriptStep& step) {
  return document(step, kMenuOpen);
}

int WindowSteps::document(const ScriptStep& step, UINT menuItem) {
  const std::string& name = step.arguments[0];
  const std::string path =
      name.find_first_of("/\\") == std::string::npos ? state_.outDir + "/" + name : name;
  if (menuItem == kMenuOpen &&
      GetFileAttributesW(wide(path).c_str()) == INVALID_FILE_ATTRIBUTES)
    throw ScriptError("there is no file " + path);
  // Typed as a whole path, which does not depend on the dialog's folder.
  std::wstring full(MAX_PATH, L'\0');
  full.resize(GetFullPathNameW(wide(path).c_str(), MAX_PATH, full.data(), nullptr));
  state_.lastDocument.reset();
  openMenuFor(state_, menuItem);
  state_.followUps.emplace_back([&state = state_] {
    return waitUntil(
        state, [&state] { return fileDialogOver(state.main) != nullptr; }, kInputTicks,
        "no file dialog opened");
  });
  state_.followUps.emplace_back(
      [&state = state_, typed = utf8(full)] { return answerFileDialog(state, typed); });
  // Done when the file is read or written, or the dialog refuses the path
  // in a message box of its own.
  state_.followUps.emplace_back([&state = state_] {
    return waitUntil(
        state,
        [&state] {
          HWND dialog = fileDialogOver(state.main);
          return state.lastDocument.has_value() ||
                 (dialog != nullptr && messageBoxOwnedBy(dialog) != nullptr);
        },
        kInputTicks, "the file dialog did not answer");
  });
  state_.followUps.emplace_back(
      [&state = state_, line = step.line] { return finishDocument(state, line); });
  return 1;
}

int WindowSteps::screenshot(const ScriptStep& step) {
  refreshAll(state_);
  UpdateWindow(state_.viewport);
  workbench::screenshot(state_, state_.outDir + "/" + step.arguments[0] + ".png");
  return 1;
}

int WindowSteps::plugins(const ScriptStep& step) {
  // Shown, read back, pictured and closed with its own button.
  HWND window = showPluginsWindow(state_.main, state_.session->description());
  UpdateWindow(window);
  const std::string path = state_.outDir + "/" + step.arguments[0] + ".txt";
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) throw ScriptError("cannot write " + path);
  const std::string text = pluginsWindowText(window);
  std::fwrite(text.data(), 1, text.size(), file);
  std::fclose(file);
  workbench::screenshot(state_, state_.outDir + "/" + step.arguments[0] + ".png");
  PostMessageW(GetDlgItem(window, IDCANCEL), BM_CLICK, 0, 0);
  return kSettleTicks;
}

int WindowSteps::dump(const ScriptStep& step) {
  const std::string path = state_.outDir + "/dump.txt";
  std::FILE* file = std::fopen(path.c_str(), "ab");
  if (file == nullptr) throw ScriptError("cannot write " + path);
  std::fprintf(file, "# line %d\n%s", step.line,
               dumpScene(state_.session->scene()).c_str());
  std::fclose(file);
  return 1;
}

}  // namespace

int performStep(WorkbenchWindow::State& state, const ScriptStep& step) {
  WindowSteps steps(state);
  return playStep(steps, step);
}

}  // namespace jolvent::workbench
