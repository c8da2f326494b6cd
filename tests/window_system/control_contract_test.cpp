// What the panel relies on from the controls, checked against whichever
// window system the build has: the headless model natively, real Win32
// controls under Wine. The same cases must pass on both.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "window_system/dialog_template.h"
#include "window_system/trackbar.h"
#ifdef _WIN32
#include "window_system/win32_window_system.h"
#endif
#include "window_system/headless_window_system.h"

namespace jolvent {
namespace {

constexpr int kSelection = 11;
constexpr int kPlain = 12;
constexpr int kBox = 21;
constexpr int kCheck = 41;

const ControlTemplate kControls[] = {
    {kSelection, "msctls_trackbar32", "", 0, 0, 80, 12,
     WS_CHILD | WS_VISIBLE | WS_TABSTOP | TBS_ENABLESELRANGE},
    {kPlain, "msctls_trackbar32", "", 0, 14, 80, 12, WS_CHILD | WS_VISIBLE | TBS_NOTICKS},
    {kBox, "Edit", "", 0, 28, 40, 12, WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL},
    {kCheck, "Button", "check", 0, 42, 40, 10,
     WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX},
};
// No caption: hiding a captioned window costs seconds under Wine without a
// window manager, and nothing here depends on one.
const DialogTemplate kDialog = {
    9,         false,
    0,         WS_POPUP,
    0,         0,
    0,         100,
    60,        "",
    0,         "",
    kControls, static_cast<int>(sizeof kControls / sizeof kControls[0])};

std::vector<std::pair<UINT, WPARAM>>& notifications() {
  static std::vector<std::pair<UINT, WPARAM>> seen;
  return seen;
}

INT_PTR CALLBACK recordingProc(HWND, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_COMMAND || message == WM_HSCROLL) {
    notifications().emplace_back(message, wParam);
  }
  return 0;
}

#ifdef _WIN32
// The template as a resource holds it, built in memory.
std::vector<WORD> win32Template(const DialogTemplate& dialog) {
  std::vector<WORD> words;
  const auto dword = [&](DWORD value) {
    words.push_back(LOWORD(value));
    words.push_back(HIWORD(value));
  };
  const auto text = [&](const char* ascii) {
    for (const char* c = ascii; *c != '\0'; ++c) words.push_back(static_cast<WORD>(*c));
    words.push_back(0);
  };
  dword(dialog.style);
  dword(dialog.exStyle);
  words.push_back(static_cast<WORD>(dialog.controlCount));
  for (short value : {dialog.x, dialog.y, dialog.width, dialog.height}) {
    words.push_back(static_cast<WORD>(value));
  }
  words.push_back(0);  // no menu
  words.push_back(0);  // the dialog class
  text(dialog.caption);
  for (int i = 0; i < dialog.controlCount; ++i) {
    const ControlTemplate& control = dialog.controls[i];
    if (words.size() % 2 != 0) words.push_back(0);  // items start on a DWORD
    dword(control.style);
    dword(0);
    for (short value : {control.x, control.y, control.width, control.height}) {
      words.push_back(static_cast<WORD>(value));
    }
    words.push_back(static_cast<WORD>(control.id));
    text(control.className);
    text(control.text);
    words.push_back(0);  // no creation data
  }
  return words;
}
#endif

class ControlContract : public ::testing::Test {
protected:
  void SetUp() override {
#ifdef _WIN32
    INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
    ASSERT_TRUE(InitCommonControlsEx(&classes));
#else
    system.addTemplate(kDialog);
#endif
    create();
  }
  void TearDown() override {
    if (dialog != nullptr) system.destroyWindow(dialog);
  }

  // A fresh dialog, its controls as created, and nothing seen yet.
  void create() {
    if (dialog != nullptr) system.destroyWindow(dialog);
#ifdef _WIN32
    const std::vector<WORD> words = win32Template(kDialog);
    dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr),
                                        reinterpret_cast<LPCDLGTEMPLATEA>(words.data()),
                                        nullptr, recordingProc, 0);
#else
    dialog = system.createDialog(nullptr, kDialog.id, nullptr, recordingProc, 0);
#endif
    ASSERT_NE(dialog, nullptr);
    notifications().clear();
  }

  LRESULT ask(int item, UINT message, WPARAM wParam, LPARAM lParam) {
    return system.sendItemMessage(dialog, item, message, wParam, lParam);
  }

#ifdef _WIN32
  Win32WindowSystem system;
#else
  HeadlessWindowSystem system;
#endif
  HWND dialog = nullptr;
};

struct Request {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  LRESULT answer;
};

TEST_F(ControlContract, TrackbarRequestsAnswerTheSameAndNotifyNobody) {
  const LPARAM panelRange = packTrackbarRange(-360, 360);
  const struct {
    const char* name;
    int slider;
    std::vector<Request> requests;
  } cases[] = {
      {"a range reads back sign-extended, page size a fifth of it",
       kSelection,
       {{TBM_SETRANGE, kRedraw, panelRange, 0},
        {TBM_GETRANGEMIN, 0, 0, -360},
        {TBM_GETRANGEMAX, 0, 0, 360},
        {TBM_GETPAGESIZE, 0, 0, 144},
        {TBM_GETLINESIZE, 0, 0, 1},
        {TBM_GETPOS, 0, 0, 0}}},
      {"positions are clamped to the range",
       kSelection,
       {{TBM_SETRANGE, kRedraw, panelRange, 0},
        {TBM_SETPOS, kRedraw, -45, 0},
        {TBM_GETPOS, 0, 0, -45},
        {TBM_SETPOS, kRedraw, 1000, 0},
        {TBM_GETPOS, 0, 0, 360},
        {TBM_SETPOS, kRedraw, -1000, 0},
        {TBM_GETPOS, 0, 0, -360}}},
      {"a narrower range pulls the position in",
       kSelection,
       {{TBM_SETPOS, kRedraw, 50, 0},
        {TBM_SETRANGE, kRedraw, packTrackbarRange(-10, 10), 0},
        {TBM_GETPOS, 0, 0, 10},
        {TBM_SETRANGEMIN, kRedraw, -5, 0},
        {TBM_SETRANGEMAX, kRedraw, 5, 0},
        {TBM_GETPOS, 0, 0, 5},
        {TBM_GETPAGESIZE, 0, 0, 2},
        {TBM_SETRANGEMIN, kRedraw, 8, 0},
        {TBM_GETPOS, 0, 0, 8}}},
      {"the selection is held inside the range",
       kSelection,
       {{TBM_SETRANGE, kRedraw, panelRange, 0},
        {TBM_SETSEL, kRedraw, packTrackbarRange(-45, 45), 0},
        {TBM_GETSELSTART, 0, 0, -45},
        {TBM_GETSELEND, 0, 0, 45},
        {TBM_SETSEL, 0, packTrackbarRange(-400, 400), 0},
        {TBM_GETSELSTART, 0, 0, -360},
        {TBM_GETSELEND, 0, 0, 360},
        {TBM_SETSELSTART, kRedraw, 10, 0},
        {TBM_SETSELEND, kRedraw, 20, 0},
        {TBM_GETSELSTART, 0, 0, 10},
        {TBM_GETSELEND, 0, 0, 20}}},
      {"without TBS_ENABLESELRANGE a selection is ignored",
       kPlain,
       {{TBM_SETRANGE, kRedraw, panelRange, 0},
        {TBM_SETSEL, kRedraw, packTrackbarRange(-45, 45), 0},
        {TBM_SETSELSTART, kRedraw, -5, 0},
        {TBM_SETSELEND, kRedraw, 5, 0},
        {TBM_GETSELSTART, 0, 0, 0},
        {TBM_GETSELEND, 0, 0, 0}}},
      {"tics inside the range count, the ends too",
       kSelection,
       {{TBM_SETRANGE, kRedraw, panelRange, 0},
        {TBM_SETTIC, 0, -180, 1},
        {TBM_SETTIC, 0, 0, 1},
        {TBM_SETTIC, 0, 180, 1},
        {TBM_SETTIC, 0, 361, 0},
        {TBM_GETNUMTICS, 0, 0, 5},
        {TBM_GETTIC, 0, 0, 0},
        {TBM_GETTIC, 1, 0, 180},
        {TBM_GETTIC, 2, 0, -180},
        {TBM_GETTIC, 3, 0, -1},
        {TBM_CLEARTICS, kRedraw, 0, 0},
        {TBM_GETNUMTICS, 0, 0, 2}}},
      {"TBS_NOTICKS counts none",
       kPlain,
       {{TBM_SETTIC, 0, 50, 1}, {TBM_GETNUMTICS, 0, 0, 0}}},
      {"page and line sizes answer the previous size",
       kSelection,
       {{TBM_SETLINESIZE, 0, 100, 1},
        {TBM_GETLINESIZE, 0, 0, 100},
        {TBM_SETPAGESIZE, 0, 10, 20},
        {TBM_GETPAGESIZE, 0, 0, 10}}},
      {"a page size asked for outlives range changes",
       kSelection,
       {{TBM_SETPAGESIZE, 0, 30, 20},
        {TBM_SETRANGE, kRedraw, panelRange, 0},
        {TBM_GETPAGESIZE, 0, 0, 30}}},
  };
  for (const auto& entry : cases) {
    SCOPED_TRACE(entry.name);
    create();
    int step = 0;
    for (const Request& request : entry.requests) {
      SCOPED_TRACE(step++);
      EXPECT_EQ(static_cast<int>(
                    ask(entry.slider, request.message, request.wParam, request.lParam)),
                request.answer);
    }
    EXPECT_TRUE(notifications().empty()) << "a program's requests notify nobody";
  }
}

TEST_F(ControlContract, ABoxNotifiesEachTextSetAndReadsBackIntoTheRoomThereIs) {
  ask(kBox, EM_LIMITTEXT, 3, 0);
  ASSERT_TRUE(system.setItemText(dialog, kBox, "12.500000"));
  EXPECT_EQ(notifications(), (std::vector<std::pair<UINT, WPARAM>>{
                                 {WM_COMMAND, MAKEWPARAM(kBox, EN_UPDATE)},
                                 {WM_COMMAND, MAKEWPARAM(kBox, EN_CHANGE)}}));
  char text[12];
  EXPECT_EQ(system.itemText(dialog, kBox, text, sizeof text), 9);
  EXPECT_STREQ(text, "12.500000");
  EXPECT_EQ(system.itemText(dialog, kBox, text, 4), 3);
  EXPECT_STREQ(text, "12.");
}

TEST_F(ControlContract, AClickTogglesAnAutoCheckBoxThenNotifies) {
  EXPECT_EQ(ask(kCheck, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  ask(kCheck, BM_CLICK, 0, 0);
  EXPECT_EQ(ask(kCheck, BM_GETCHECK, 0, 0), BST_CHECKED);
  ask(kCheck, BM_SETCHECK, BST_UNCHECKED, 0);
  EXPECT_EQ(ask(kCheck, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(notifications(), (std::vector<std::pair<UINT, WPARAM>>{
                                 {WM_COMMAND, MAKEWPARAM(kCheck, BN_CLICKED)}}));
}

}  // namespace
}  // namespace jolvent
