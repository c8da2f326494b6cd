// A small dialog for the headless window system's tests, with a procedure
// that records every message it gets and lets a test answer them.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "window_system/dialog_template.h"
#include "window_system/headless_window_system.h"

namespace jolvent::test {

struct Delivered {
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

inline constexpr int kTestDialog = 7;
inline constexpr int kSelectionSlider = 11;
inline constexpr int kPlainSlider = 12;
inline constexpr int kBox = 21;
inline constexpr int kOtherBox = 22;
inline constexpr int kCheckBox = 41;

class HeadlessTest : public ::testing::Test {
protected:
  HeadlessTest() {
    current() = this;
    windows.addTemplate(dialogTemplate(0, WS_EX_TOOLWINDOW));
  }
  ~HeadlessTest() override { current() = nullptr; }

  static DialogTemplate dialogTemplate(DWORD extraStyle, DWORD exStyle) {
    static const ControlTemplate controls[] = {
        {kSelectionSlider, "msctls_trackbar32", "Slider1", 10, 0, 80, 10,
         WS_CHILD | WS_VISIBLE | WS_TABSTOP | TBS_ENABLESELRANGE},
        {kPlainSlider, "msctls_trackbar32", "", 10, 10, 80, 10,
         WS_CHILD | WS_VISIBLE | TBS_NOTICKS},
        {kBox, "Edit", "", 10, 20, 30, 10,
         WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL},
        {kOtherBox, "EDIT", "", 50, 20, 30, 10, WS_CHILD | WS_VISIBLE | WS_TABSTOP},
        {IDOK, "Button", "OK", 10, 30, 20, 10,
         WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON},
        {IDCANCEL, "Button", "CANCEL", 40, 30, 20, 10,
         WS_CHILD | WS_VISIBLE | WS_TABSTOP},
        {kCheckBox, "Button", "AutoShade", 70, 30, 20, 10,
         WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX},
        {-1, "Static", "first", 0, 0, 10, 8, WS_CHILD | WS_VISIBLE | SS_LEFT},
        {-1, "Static", "second", 0, 10, 10, 8, WS_CHILD | WS_VISIBLE | SS_LEFT},
    };
    return {kTestDialog, true,
            1041,        WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | extraStyle,
            exStyle,     4,
            8,           100,
            40,          "Test",
            9,           "font",
            controls,    static_cast<int>(sizeof controls / sizeof controls[0])};
  }

  HWND create(LPARAM param = 0, HWND owner = nullptr) {
    return windows.createDialog(nullptr, kTestDialog, owner, &proc, param);
  }

  // The WM_COMMAND notifications the dialog got, as (id, code).
  std::vector<std::pair<int, int>> commands() const {
    std::vector<std::pair<int, int>> result;
    for (const Delivered& d : delivered) {
      if (d.message == WM_COMMAND)
        result.emplace_back(LOWORD(d.wParam), HIWORD(d.wParam));
    }
    return result;
  }
  std::vector<UINT> messages() const {
    std::vector<UINT> result;
    for (const Delivered& d : delivered) result.push_back(d.message);
    return result;
  }

  static INT_PTR CALLBACK proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    HeadlessTest* test = current();
    test->delivered.push_back({window, message, wParam, lParam});
    return test->answer ? test->answer(window, message, wParam, lParam) : 0;
  }

  static HeadlessTest*& current() {
    static HeadlessTest* test = nullptr;
    return test;
  }

  HeadlessWindowSystem windows;
  std::vector<Delivered> delivered;
  std::function<INT_PTR(HWND, UINT, WPARAM, LPARAM)> answer;
};

}  // namespace jolvent::test
