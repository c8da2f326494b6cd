#include "workbench/app/synthetic_input.h"

#include <algorithm>
#include <vector>

#include "workbench/app/win32_text.h"

namespace jolvent::workbench {

namespace {

INPUT mouseAt(POINT screen, DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
  return input;
}

void send(std::vector<INPUT>& inputs) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace

void clickAt(POINT screen) {
  INPUT inputs[] = {mouseAt(screen, 0), mouseAt(screen, MOUSEEVENTF_LEFTDOWN),
                    mouseAt(screen, MOUSEEVENTF_LEFTUP)};
  SendInput(3, inputs, sizeof(INPUT));
}

// Under Wine without a window manager, a button released where no window of
// the application is gets lost, and the trackbar keeps the mouse captured; so
// a drag ends over the main window, dragged past a channel's end or not.
void dragAt(POINT from, int dx, const RECT& within) {
  dx = std::clamp(from.x + dx, within.left + 1, within.right - 2) - from.x;
  std::vector<INPUT> inputs{mouseAt(from, 0), mouseAt(from, MOUSEEVENTF_LEFTDOWN)};
  constexpr int kMoves = 4;
  for (int i = 1; i <= kMoves; ++i)
    inputs.push_back(mouseAt({from.x + dx * i / kMoves, from.y}, 0));
  inputs.push_back(mouseAt({from.x + dx, from.y}, MOUSEEVENTF_LEFTUP));
  send(inputs);
}

void ctrlDragAt(POINT from, int dx) {
  std::vector<INPUT> inputs;
  INPUT key{};
  key.type = INPUT_KEYBOARD;
  key.ki.wVk = VK_CONTROL;
  inputs.push_back(key);
  inputs.push_back(mouseAt(from, 0));
  inputs.push_back(mouseAt(from, MOUSEEVENTF_LEFTDOWN));
  inputs.push_back(mouseAt({from.x + dx, from.y}, 0));
  inputs.push_back(mouseAt({from.x + dx, from.y}, MOUSEEVENTF_LEFTUP));
  key.ki.dwFlags = KEYEVENTF_KEYUP;
  inputs.push_back(key);
  send(inputs);
}

void typeInto(HWND box, const std::string& text) {
  SetFocus(box);
  SendMessageW(box, EM_SETSEL, 0, -1);
  std::vector<INPUT> inputs;
  for (wchar_t c : wide(text))
    for (DWORD up : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
      INPUT input{};
      input.type = INPUT_KEYBOARD;
      input.ki.wScan = c;
      input.ki.dwFlags = KEYEVENTF_UNICODE | up;
      inputs.push_back(input);
    }
  send(inputs);
}

void pressKey(WORD key, int times) {
  std::vector<INPUT> inputs;
  for (int press = 0; press < times; ++press)
    for (DWORD up : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
      INPUT input{};
      input.type = INPUT_KEYBOARD;
      input.ki.wVk = key;
      input.ki.dwFlags = up;
      inputs.push_back(input);
    }
  send(inputs);
}

}  // namespace jolvent::workbench
