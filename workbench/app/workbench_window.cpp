// The workbench's main window: the viewport, the scene's tree, a timeline and
// the menus a host offers, over one session. The decisions live in the plain
// files beside this one; this file is the Win32 glue.
#include "workbench/app/workbench_window.h"

#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>
#include <windowsx.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "workbench/app/camera.h"
#include "workbench/app/document_files.h"
#include "workbench/app/gdi_objects.h"
#include "workbench/app/owned_windows.h"
#include "workbench/app/plugins_window.h"
#include "workbench/app/session.h"
#include "workbench/app/skeleton_view.h"
#include "workbench/app/win32_text.h"
#include "workbench/app/window_state.h"
#include "workbench/text_encoding.h"

namespace jolvent::workbench {

namespace {

std::wstring wideFromCp932(const std::string& cp932) {
  return wide(utf8FromCp932(cp932));
}

enum ChildId : int { kTreeId = 10, kViewportId, kTimelineId, kPlayId, kStatusId };

constexpr UINT_PTR kRedrawTimer = 1;
constexpr UINT_PTR kPlayTimer = 2;
constexpr int kTreeWidth = 200;
constexpr int kTimelineHeight = 34;
constexpr int kPlayWidth = 60;
constexpr int kTimelineMaximum = 100;
constexpr float kPickRadius = 8.0F;
const wchar_t kMainClass[] = L"JolventWorkbench";
const wchar_t kViewportClass[] = L"JolventWorkbenchViewport";

WorkbenchWindow::State* stateOf(HWND window) {
  return reinterpret_cast<WorkbenchWindow::State*>(
      GetWindowLongPtrW(window, GWLP_USERDATA));
}

COLORREF colourOf(const std::array<float, 3>& rgb) {
  auto byte = [](float c) {
    return static_cast<BYTE>(std::lround(std::fmin(std::fmax(c, 0.0F), 1.0F) * 255.0F));
  };
  return RGB(byte(rgb[0]), byte(rgb[1]), byte(rgb[2]));
}

void paintViewport(WorkbenchWindow::State& state, HDC target) {
  RECT area;
  GetClientRect(state.viewport, &area);
  const int width = area.right;
  const int height = area.bottom;
  const MemoryDc memoryDc(target);
  HDC memory = memoryDc.get();
  const Bitmap bitmap(CreateCompatibleBitmap(target, width, height));
  const SelectedObject bitmapSelected(memory, bitmap.get());
  {
    const Brush background(CreateSolidBrush(RGB(32, 36, 44)));
    FillRect(memory, &area, background.get());
  }

  const SkeletonView view = viewOf(state.session->scene());
  auto at = [&](const Vec3& p) { return project(state.camera, width, height, p); };

  for (const DrawnLine& line : view.lines) {
    const Pen pen(CreatePen(PS_SOLID, 2, colourOf(line.colour)));
    const SelectedObject penSelected(memory, pen.get());
    bool drawing = false;
    for (const Vec3& point : line.points) {
      const ScreenPoint s = at(point);
      if (!s.visible) {
        drawing = false;
        continue;
      }
      if (drawing)
        LineTo(memory, std::lround(s.x), std::lround(s.y));
      else
        MoveToEx(memory, std::lround(s.x), std::lround(s.y), nullptr);
      drawing = true;
    }
  }

  {
    const Pen bonePen(CreatePen(PS_SOLID, 3, RGB(200, 200, 210)));
    const SelectedObject bonePenSelected(memory, bonePen.get());
    for (const DrawnJoint& joint : view.joints) {
      if (joint.parent < 0) continue;
      const ScreenPoint a =
          at(view.joints[static_cast<std::size_t>(joint.parent)].position);
      const ScreenPoint b = at(joint.position);
      if (!a.visible || !b.visible) continue;
      MoveToEx(memory, std::lround(a.x), std::lround(a.y), nullptr);
      LineTo(memory, std::lround(b.x), std::lround(b.y));
    }
  }

  const std::vector<standin::Shape*>& selection = state.session->scene().selection();
  const SelectedObject nullPenSelected(memory, GetStockObject(NULL_PEN));
  for (const DrawnJoint& joint : view.joints) {
    const ScreenPoint s = at(joint.position);
    if (!s.visible) continue;
    const bool selected =
        std::find(selection.begin(), selection.end(), joint.shape) != selection.end();
    const Brush dot(CreateSolidBrush(selected ? RGB(255, 210, 0) : RGB(90, 160, 255)));
    const SelectedObject dotSelected(memory, dot.get());
    const int radius = selected ? 6 : 4;
    const int x = std::lround(s.x);
    const int y = std::lround(s.y);
    Ellipse(memory, x - radius, y - radius, x + radius + 1, y + radius + 1);
  }

  BitBlt(target, 0, 0, width, height, memory, 0, 0, SRCCOPY);
}

void fillTree(WorkbenchWindow::State& state) {
  const std::string shape = state.session->scene().describeTree();
  if (shape == state.treeShape) return;
  state.treeShape = shape;
  state.filling = true;
  TreeView_DeleteAllItems(state.tree);
  struct Walker {
    HWND tree;
    void add(standin::Shape& node, HTREEITEM parent) {
      const std::wstring name = wide(node.name());
      TVINSERTSTRUCTW insert{};
      insert.hParent = parent;
      insert.hInsertAfter = TVI_LAST;
      insert.item.mask = TVIF_TEXT | TVIF_PARAM;
      insert.item.pszText = const_cast<wchar_t*>(name.c_str());
      insert.item.lParam = reinterpret_cast<LPARAM>(&node);
      HTREEITEM item = reinterpret_cast<HTREEITEM>(
          SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
      for (standin::Shape* child : node.children()) add(*child, item);
      TreeView_Expand(tree, item, TVE_EXPAND);
    }
  } walker{state.tree};
  for (standin::Shape* child : state.session->scene().root().children())
    walker.add(*child, TVI_ROOT);
  state.filling = false;
}

void updateTicks(WorkbenchWindow::State& state) {
  std::vector<int> ticks;
  const std::vector<standin::Shape*>& selection = state.session->scene().selection();
  if (!selection.empty())
    for (const standin::MotionKey& key : selection.front()->motion().keys())
      ticks.push_back(static_cast<int>(std::lround(key.position)));
  if (ticks == state.ticks) return;
  state.ticks = ticks;
  SendMessageW(state.timeline, TBM_CLEARTICS, TRUE, 0);
  for (int tick : ticks) SendMessageW(state.timeline, TBM_SETTIC, 0, tick);
}

void updateStatus(WorkbenchWindow::State& state) {
  const std::vector<standin::Shape*>& selection = state.session->scene().selection();
  std::string selected = "Selection: ";
  if (selection.empty()) selected += "(none)";
  for (std::size_t i = 0; i < selection.size(); ++i)
    selected += (i > 0 ? ", " : "") + selection[i]->name();
  const std::string bracket = state.session->host().editBracket().isOpen()
                                  ? "Edit bracket open"
                                  : "Edit bracket closed";
  const std::string recording =
      state.session->recording() ? "Recording motion" : "Not recording";
  const std::wstring parts[] = {wide(selected), wide(bracket), wide(recording)};
  for (int i = 0; i < 3; ++i)
    SendMessageW(state.status, SB_SETTEXTW, static_cast<WPARAM>(i),
                 reinterpret_cast<LPARAM>(parts[i].c_str()));
  CheckMenuItem(state.pluginMenu, kMenuRecording,
                state.session->recording() ? MF_CHECKED : MF_UNCHECKED);
}

// The path the user picks in the system's file dialog, or "" when cancelled.
std::string askForDocument(HWND owner, bool open) {
  wchar_t file[MAX_PATH] = L"";
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = L"glTF 2.0 (*.gltf, *.glb)\0*.gltf;*.glb\0";
  dialog.lpstrFile = file;
  dialog.nMaxFile = MAX_PATH;
  dialog.lpstrDefExt = L"gltf";
  // The process's folder stays, so relative paths keep their meaning.
  dialog.Flags = OFN_NOCHANGEDIR | (open ? OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST
                                         : OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST);
  const BOOL chosen = open ? GetOpenFileNameW(&dialog) : GetSaveFileNameW(&dialog);
  if (chosen == FALSE) return {};
  return utf8(file);
}

void layout(WorkbenchWindow::State& state) {
  RECT area;
  GetClientRect(state.main, &area);
  SendMessageW(state.status, WM_SIZE, 0, 0);
  RECT statusArea;
  GetWindowRect(state.status, &statusArea);
  const int statusHeight = statusArea.bottom - statusArea.top;
  const int bottom = area.bottom - statusHeight;
  const int top = bottom - kTimelineHeight;
  MoveWindow(state.tree, 0, 0, kTreeWidth, top, TRUE);
  MoveWindow(state.viewport, kTreeWidth, 0, area.right - kTreeWidth, top, TRUE);
  MoveWindow(state.play, 0, top + 2, kPlayWidth, kTimelineHeight - 4, TRUE);
  MoveWindow(state.timeline, kPlayWidth, top, area.right - kPlayWidth, kTimelineHeight,
             TRUE);
  const int widths[] = {area.right / 2, area.right * 3 / 4, -1};
  SendMessageW(state.status, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(widths));
}

void stopPlaying(WorkbenchWindow::State& state) {
  if (!state.playing) return;
  state.playing = false;
  KillTimer(state.main, kPlayTimer);
  SetWindowTextW(state.play, L"Play");
}

void onCommand(WorkbenchWindow::State& state, UINT id) {
  Session& session = *state.session;
  switch (id) {
    case kMenuCommand:
      session.command();
      break;
    case kMenuAttribute:
      session.attributeAction();
      break;
    case kMenuRecording:
      session.setRecording(!session.recording());
      break;
    case kMenuJointDrop:
      session.jointDrop();
      break;
    case kMenuRefresh:
      session.refresh();
      break;
    case kMenuOpen:
    case kMenuSave: {
      const bool open = id == kMenuOpen;
      const std::string path = askForDocument(state.main, open);
      if (path.empty()) break;
      const DocumentResult result = documentFileAction(
          open ? DocumentAction::open : DocumentAction::save, session.host(), path);
      state.lastDocument = result;
      std::string message = result.error;
      for (const std::string& warning : result.warnings) message += "\n" + warning;
      if (!message.empty())
        MessageBoxW(state.main, wide(message).c_str(), L"Jolvent workbench",
                    MB_OK | (result.error.empty() ? MB_ICONINFORMATION : MB_ICONERROR));
      refreshAll(state);
      break;
    }
    case kMenuPlugins:
      showPluginsWindow(state.main, session.description());
      break;
    case kMenuExit:
      DestroyWindow(state.main);
      break;
    case kPlayId:
      if (state.playing) {
        stopPlaying(state);
      } else {
        state.playing = true;
        state.playPosition = playStart(*state.session);
        SetWindowTextW(state.play, L"Stop");
        SetTimer(state.main, kPlayTimer, 40, nullptr);
      }
      break;
    default:
      break;
  }
  state.dirty = true;
}

LRESULT CALLBACK viewportProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  WorkbenchWindow::State* state = stateOf(window);
  if (state == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_PAINT: {
      const PaintDc dc(window);
      paintViewport(*state, dc.get());
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_LBUTTONDOWN:
      SetFocus(window);
      SetCapture(window);
      state->dragging = true;
      state->dragMoved = false;
      state->dragFrom = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      return 0;
    case WM_MOUSEMOVE:
      if (state->dragging) {
        const POINT now{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        const int dx = now.x - state->dragFrom.x;
        const int dy = now.y - state->dragFrom.y;
        if (state->dragMoved || std::abs(dx) + std::abs(dy) > 3) {
          state->dragMoved = true;
          orbit(state->camera, dx, dy);
          state->dragFrom = now;
          InvalidateRect(window, nullptr, FALSE);
        }
      }
      return 0;
    case WM_LBUTTONUP:
      if (state->dragging) {
        ReleaseCapture();
        state->dragging = false;
        if (!state->dragMoved) {
          RECT area;
          GetClientRect(window, &area);
          const SkeletonView view = viewOf(state->session->scene());
          std::vector<ScreenPoint> points;
          for (const DrawnJoint& joint : view.joints)
            points.push_back(
                project(state->camera, area.right, area.bottom, joint.position));
          const int picked =
              pickNearest(points, static_cast<float>(GET_X_LPARAM(lParam)),
                          static_cast<float>(GET_Y_LPARAM(lParam)), kPickRadius);
          if (picked >= 0)
            selectShapes(*state, {view.joints[static_cast<std::size_t>(picked)].shape});
        }
      }
      return 0;
    case WM_MOUSEWHEEL:
      zoom(state->camera, GET_WHEEL_DELTA_WPARAM(wParam));
      InvalidateRect(window, nullptr, FALSE);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

HMENU buildMenus(WorkbenchWindow::State& state) {
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  AppendMenuW(file, MF_STRING, kMenuOpen, L"&Open...");
  AppendMenuW(file, MF_STRING, kMenuSave, L"&Save...");
  AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(file, MF_STRING, kMenuExit, L"E&xit");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
  HMENU plugin = CreatePopupMenu();
  AppendMenuW(plugin, MF_STRING, kMenuCommand,
              wideFromCp932(state.session->commandName()).c_str());
  AppendMenuW(plugin, MF_STRING, kMenuAttribute,
              wideFromCp932(state.session->attributeName()).c_str());
  AppendMenuW(plugin, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(plugin, MF_STRING, kMenuRecording, L"Motion &recording");
  AppendMenuW(plugin, MF_STRING, kMenuJointDrop, L"&Joint drop notice");
  AppendMenuW(plugin, MF_STRING, kMenuRefresh, L"Re&fresh notice");
  AppendMenuW(plugin, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(plugin, MF_STRING, kMenuPlugins, L"&Plug-ins...");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(plugin), L"&Plug-in");
  state.pluginMenu = plugin;
  return bar;
}

LRESULT CALLBACK mainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  WorkbenchWindow::State* state = stateOf(window);
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    return DefWindowProcW(window, message, wParam, lParam);
  }
  if (state == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_SIZE:
      layout(*state);
      return 0;
    case WM_COMMAND:
      onCommand(*state, LOWORD(wParam));
      return 0;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->hwndFrom == state->tree && header->code == TVN_SELCHANGEDW &&
          !state->filling) {
        const auto* change = reinterpret_cast<const NMTREEVIEWW*>(lParam);
        auto* shape = reinterpret_cast<standin::Shape*>(change->itemNew.lParam);
        if (shape != nullptr) selectShapes(*state, {shape});
      }
      return 0;
    }
    case WM_HSCROLL:
      if (reinterpret_cast<HWND>(lParam) == state->timeline) {
        const auto position =
            static_cast<float>(SendMessageW(state->timeline, TBM_GETPOS, 0, 0));
        if (position != state->session->scene().sequencePosition())
          setPosition(*state, position);
      }
      return 0;
    case WM_MOUSEWHEEL:
      return SendMessageW(state->viewport, message, wParam, lParam);
    case WM_TIMER:
      if (wParam == kPlayTimer) {
        const float last = state->session->lastKeyPosition();
        state->playPosition += kPlayStep;
        if (state->playPosition > last) {
          setPosition(*state, last);
          stopPlaying(*state);
        } else {
          setPosition(*state, state->playPosition);
        }
      }
      if (state->dirty) refreshAll(*state);
      return 0;
    case WM_CLOSE:
      // The document goes before the window the panel belongs to.
      stopPlaying(*state);
      state->session->close();
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      KillTimer(window, kRedrawTimer);
      stopPlaying(*state);
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

float playStart(Session& session) {
  const float at = session.scene().sequencePosition();
  return at < session.lastKeyPosition() ? at : 0.0F;
}

void selectShapes(WorkbenchWindow::State& state,
                  const std::vector<standin::Shape*>& shapes) {
  state.session->select(shapes);
  state.dirty = true;
}

void setPosition(WorkbenchWindow::State& state, float position) {
  state.session->setPosition(position);
  SendMessageW(state.timeline, TBM_SETPOS, TRUE, std::lround(position));
  state.dirty = true;
}

void refreshAll(WorkbenchWindow::State& state) {
  fillTree(state);
  updateTicks(state);
  updateStatus(state);
  InvalidateRect(state.viewport, nullptr, FALSE);
  state.dirty = false;
}

WorkbenchWindow::WorkbenchWindow(Session& session) : state_(std::make_unique<State>()) {
  state_->session = &session;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  INITCOMMONCONTROLSEX controls{
      sizeof controls, ICC_TREEVIEW_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);

  WNDCLASSEXW main{};
  main.cbSize = sizeof main;
  main.lpfnWndProc = mainProc;
  main.hInstance = instance;
  main.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  main.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  main.lpszClassName = kMainClass;
  RegisterClassExW(&main);
  WNDCLASSEXW viewport = main;
  viewport.lpfnWndProc = viewportProc;
  viewport.hbrBackground = nullptr;
  viewport.lpszClassName = kViewportClass;
  RegisterClassExW(&viewport);

  State& state = *state_;
  state.main = CreateWindowExW(0, kMainClass, L"Jolvent workbench", WS_OVERLAPPEDWINDOW,
                               0, 0, 1000, 700, nullptr, nullptr, instance, state_.get());
  SetMenu(state.main, buildMenus(state));
  auto child = [&](const wchar_t* cls, DWORD style, int id, const wchar_t* text = L"") {
    return CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 10, 10,
                           state.main, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           instance, nullptr);
  };
  state.tree = child(
      WC_TREEVIEWW,
      WS_BORDER | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS,
      kTreeId);
  state.viewport = child(kViewportClass, 0, kViewportId);
  SetWindowLongPtrW(state.viewport, GWLP_USERDATA,
                    reinterpret_cast<LONG_PTR>(state_.get()));
  state.timeline = child(TRACKBAR_CLASSW, TBS_HORZ | TBS_AUTOTICKS, kTimelineId);
  SendMessageW(state.timeline, TBM_SETRANGE, TRUE, MAKELPARAM(0, kTimelineMaximum));
  state.play = child(L"BUTTON", BS_PUSHBUTTON, kPlayId, L"Play");
  state.status = child(STATUSCLASSNAMEW, 0, kStatusId);
  layout(state);

  // The plug-in's panel belongs to this window, as it would to the host's.
  session.scene().setMainWindowHandle(state.main);
  // Every host call the plug-in makes may change what is shown.
  session.host().journal().setWatcher(
      [this](const std::string&) { state_->dirty = true; });
  SetTimer(state.main, kRedrawTimer, 30, nullptr);
}

WorkbenchWindow::~WorkbenchWindow() {
  state_->session->host().journal().setWatcher(nullptr);
  if (IsWindow(state_->main)) DestroyWindow(state_->main);
}

HWND WorkbenchWindow::handle() const {
  return state_->main;
}

void WorkbenchWindow::show() {
  ShowWindow(state_->main, SW_SHOW);
  UpdateWindow(state_->main);
  refreshAll(*state_);
}

int WorkbenchWindow::run() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    // The panel is a modeless dialog: give it its keyboard navigation.
    HWND active = GetActiveWindow();
    if (active != nullptr && active != state_->main && IsDialogMessageW(active, &message))
      continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return state_->exitStatus != 0 ? state_->exitStatus : static_cast<int>(message.wParam);
}

}  // namespace jolvent::workbench
