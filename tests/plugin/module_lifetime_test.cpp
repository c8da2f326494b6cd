#include "plugin/module_lifetime.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "panel/panel_state.h"
#include "window_system/headless_window_system.h"
#include "window_system/window_system.h"

namespace jolvent {
namespace {

class ModuleLifetimeTest : public ::testing::Test {
protected:
  void SetUp() override {
    resetPanelState();
    setWindowSystem(&windows);
  }
  void TearDown() override {
    setWindowSystem(nullptr);
    resetPanelState();
  }

  HeadlessWindowSystem windows;
};

TEST_F(ModuleLifetimeTest, AttachRecordsTheInstance) {
  int marker = 0;
  auto* instance = reinterpret_cast<HINSTANCE>(&marker);
  onProcessAttach(instance);
  EXPECT_EQ(panelState().moduleInstance, instance);
}

TEST_F(ModuleLifetimeTest, DetachWithoutAPanelDoesNothing) {
  onProcessDetach();
  EXPECT_TRUE(windows.log().empty());
}

TEST_F(ModuleLifetimeTest, DetachKillsARunningRollUpTimerBeforeDestroyingThePanel) {
  HWND panel = windows.createWindow();
  windows.startTimer(panel, 1);
  panelState().panelWindow = panel;
  panelState().rollUpTimer = 1;

  onProcessDetach();

  EXPECT_EQ(windows.log(), (std::vector<std::string>{"killTimer 1", "destroyWindow"}));
  EXPECT_EQ(windows.window(panel), nullptr);
  EXPECT_EQ(panelState().panelWindow, nullptr);
  EXPECT_EQ(panelState().rollUpTimer, 0U);
}

TEST_F(ModuleLifetimeTest, DetachWithTheTimerStoppedOnlyDestroysThePanel) {
  panelState().panelWindow = windows.createWindow();
  onProcessDetach();
  EXPECT_EQ(windows.log(), std::vector<std::string>{"destroyWindow"});
}

}  // namespace
}  // namespace jolvent
