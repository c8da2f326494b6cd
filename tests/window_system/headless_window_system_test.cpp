// The headless window system records every request with all its arguments,
// so a test sees exactly what the plug-in asked for.
#include "window_system/headless_window_system.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32_types.h"
#include "window_system/trackbar.h"

namespace jolvent {
namespace {

TEST(HeadlessWindowSystem, LogsEveryRequestWithItsArguments) {
  HeadlessWindowSystem windows;
  HWND panel = windows.createWindow();
  windows.startTimer(panel, 1);
  const LPARAM range = packTrackbarRange(-360, 360);

  windows.sendItemMessage(panel, 1001, TBM_SETSEL, kRedraw, range);
  windows.sendItemMessage(panel, 1002, TBM_SETSEL, 0, range);
  windows.sendItemMessage(panel, 1003, WM_USER + 5, 7, -1);
  windows.sendItemMessage(nullptr, 1001, TBM_SETSEL, kRedraw, range);  // no window
  windows.killTimer(panel, 1);
  windows.destroyWindow(panel);

  EXPECT_EQ(windows.log(), (std::vector<std::string>{
                               "sendItemMessage 1001 TBM_SETSEL 1 0x0168fe98",
                               "sendItemMessage 1002 TBM_SETSEL 0 0x0168fe98",
                               "sendItemMessage 1003 0x0405 7 0xffffffffffffffff",
                               "sendItemMessage 1001 TBM_SETSEL 1 0x0168fe98",
                               "killTimer 1",
                               "destroyWindow",
                           }));
}

TEST(HeadlessWindowSystem, EveryRequestOfThePlugInIsLoggedAndNoneOfTheTests) {
  HeadlessWindowSystem windows;
  HWND panel = windows.createWindow();
  windows.sendMessage(panel, WM_SETTEXT, 0, 0);
  windows.setKeyDown(VK_CONTROL, true);
  windows.elapse(10);
  EXPECT_TRUE(windows.log().empty());

  windows.setItemText(panel, 1012, "0.000000");
  windows.setTimer(panel, 1, 100);
  windows.systemMetric(SM_CXSCREEN);
  windows.setWindowPos(panel, nullptr, 1, 2, 3, 4, SWP_NOSIZE);
  EXPECT_EQ(windows.log(), (std::vector<std::string>{
                               "setItemText 1012 0.000000",
                               "setTimer 1 100",
                               "systemMetric 0",
                               "setWindowPos 1 2 3 4 0x00000001",
                           }));
  windows.clearLog();
  EXPECT_TRUE(windows.log().empty());
}

}  // namespace
}  // namespace jolvent
