// The stand-in's scene has a real main window under Windows, as a host does:
// the panel is owned by it, and disables and focuses it.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>

#include "standin_host/standin_host.h"

namespace jolvent::standin {
namespace {

TEST(StandInMainWindow, IsATopLevelWindowOfItsOwnMadeAndDestroyedWithTheHost) {
  std::optional<StandInHost> host(std::in_place);
  HWND main = host->scene().mainWindow(0);

  ASSERT_TRUE(IsWindow(main));
  EXPECT_NE(main, GetDesktopWindow());
  EXPECT_EQ(GetAncestor(main, GA_ROOT), main);
  EXPECT_EQ(GetParent(main), nullptr);
  EXPECT_EQ(host->scene().mainWindow(0), main) << "one window per host";
  char className[64] = {};
  GetClassNameA(main, className, sizeof className);
  EXPECT_STREQ(className, "JolventStandInMainWindow");

  StandInHost other;
  EXPECT_NE(other.scene().mainWindow(0), main);

  host.reset();
  EXPECT_FALSE(IsWindow(main));
}

TEST(StandInMainWindow, OwnsAPanelThatDisablesAndFocusesIt) {
  StandInHost host;
  HWND main = host.scene().mainWindow(0);
  HWND panel = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "panel", WS_POPUP, 0, 0, 100,
                               50, main, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(GetWindow(panel, GW_OWNER), main);

  EnableWindow(main, FALSE);
  EXPECT_FALSE(IsWindowEnabled(main));
  EnableWindow(main, TRUE);
  EXPECT_TRUE(IsWindowEnabled(main));
  SetFocus(main);
  EXPECT_EQ(GetFocus(), main);

  DestroyWindow(panel);
  EXPECT_EQ(host.problems(), "");
}

}  // namespace
}  // namespace jolvent::standin
