// Geometry: window rectangles in screen pixels with their frames and client
// origins, moves and resizes (WM_MOVE when the corner moves), and the system
// metrics of the screen the model stands for.
#include <algorithm>
#include <string>

#include "window_system/headless_text.h"
#include "window_system/headless_window_system.h"

namespace jolvent {

namespace {
using headless::hex;

// The dialog-frame style of a captioned pop-up.
bool framed(DWORD style) {
  return (style & WS_CAPTION) == WS_CAPTION && (style & WS_CHILD) == 0;
}
}  // namespace

// --- Rectangles ---

void HeadlessWindowSystem::frame(const Window& window, int* left, int* top, int* right,
                                 int* bottom) const {
  *left = *top = *right = *bottom = 0;
  if (window.kind != Window::Kind::Dialog || !framed(window.style)) return;
  *left = *right = metric(SM_CXDLGFRAME);
  *bottom = metric(SM_CYDLGFRAME);
  *top = metric(SM_CYDLGFRAME) + ((window.exStyle & WS_EX_TOOLWINDOW) != 0
                                      ? metric(SM_CYSMCAPTION)
                                      : metric(SM_CYCAPTION));
}

POINT HeadlessWindowSystem::clientOrigin(const Window& window) const {
  int left = 0, top = 0, right = 0, bottom = 0;
  frame(window, &left, &top, &right, &bottom);
  POINT origin{window.rect.left + left, window.rect.top + top};
  if (window.kind == Window::Kind::Control) {
    if (const Window* parent = find(window.parent)) {
      const POINT parentOrigin = clientOrigin(*parent);
      origin.x += parentOrigin.x;
      origin.y += parentOrigin.y;
    }
  }
  return origin;
}

RECT HeadlessWindowSystem::rect(HWND handle) const {
  const Window* window = find(handle);
  if (window == nullptr) return RECT{};
  RECT result = window->rect;
  if (window->kind == Window::Kind::Control) {
    if (const Window* parent = find(window->parent)) {
      const POINT origin = clientOrigin(*parent);
      result.left += origin.x;
      result.right += origin.x;
      result.top += origin.y;
      result.bottom += origin.y;
    }
  }
  return result;
}

bool HeadlessWindowSystem::windowRect(HWND handle, RECT* result) {
  log_.emplace_back("windowRect");
  const Window* window = find(handle);
  if (window == nullptr || window->kind == Window::Kind::External || result == nullptr) {
    return false;
  }
  *result = rect(handle);
  return true;
}

// --- Moves and resizes ---

bool HeadlessWindowSystem::changeWindowPos(HWND handle, int x, int y, int width,
                                           int height, UINT flags) {
  Window* window = find(handle);
  if (window == nullptr || window->kind == Window::Kind::External) return false;
  RECT& r = window->rect;
  const LONG oldLeft = r.left;
  const LONG oldTop = r.top;
  if ((flags & SWP_NOSIZE) == 0) {
    r.right = r.left + std::max(0, width);
    r.bottom = r.top + std::max(0, height);
  }
  if ((flags & SWP_NOMOVE) == 0) {
    const LONG w = r.right - r.left;
    const LONG h = r.bottom - r.top;
    r = RECT{x, y, x + w, y + h};
  }
  if (r.left != oldLeft || r.top != oldTop) {
    ++activity_;
    const POINT origin = clientOrigin(*window);
    callProc(
        handle, WM_MOVE, 0,
        MAKELPARAM(static_cast<unsigned>(origin.x), static_cast<unsigned>(origin.y)));
  }
  return true;
}

bool HeadlessWindowSystem::setWindowPos(HWND handle, HWND, int x, int y, int width,
                                        int height, UINT flags) {
  log_.push_back("setWindowPos " + std::to_string(x) + " " + std::to_string(y) + " " +
                 std::to_string(width) + " " + std::to_string(height) + " " + hex(flags));
  return changeWindowPos(handle, x, y, width, height, flags);
}

void HeadlessWindowSystem::moveWindow(HWND window, int x, int y) {
  changeWindowPos(window, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

// --- Metrics ---

int HeadlessWindowSystem::metric(int index) {
  switch (index) {
    case SM_CXSCREEN:
      return kScreenWidth;
    case SM_CYSCREEN:
      return kScreenHeight;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
      return 3;
    case SM_CYCAPTION:
      return 19;
    case SM_CYSMCAPTION:
      return 16;
    default:
      return 0;
  }
}

int HeadlessWindowSystem::systemMetric(int index) {
  log_.push_back("systemMetric " + std::to_string(index));
  return metric(index);
}

}  // namespace jolvent
