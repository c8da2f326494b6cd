#include "plugin/module_lifetime.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editing/edit_state.h"
#include "window_system/headless_window_system.h"
#include "window_system/window_system.h"

namespace jolvent {
namespace {

class ModuleLifetimeTest : public ::testing::Test {
protected:
  void SetUp() override {
    resetEditingState();
    setWindowSystem(&windows);
  }
  void TearDown() override {
    setWindowSystem(nullptr);
    resetEditingState();
  }

  HeadlessWindowSystem windows;
};

TEST_F(ModuleLifetimeTest, AttachRecordsTheInstance) {
  int marker = 0;
  auto* instance = reinterpret_cast<HINSTANCE>(&marker);
  onProcessAttach(instance);
  EXPECT_EQ(editState().moduleInstance, instance);
}

TEST_F(ModuleLifetimeTest, DetachWithoutAPanelDoesNothing) {
  onProcessDetach();
  EXPECT_TRUE(windows.log().empty());
}

TEST_F(ModuleLifetimeTest, DetachKillsARunningRollUpTimerBeforeDestroyingThePanel) {
  HWND panel = windows.createWindow();
  windows.startTimer(panel, 1);
  editState().panelWindow = panel;
  editState().rollUpTimer = 1;

  onProcessDetach();

  EXPECT_EQ(windows.log(), (std::vector<std::string>{"killTimer 1", "destroyWindow"}));
  EXPECT_EQ(windows.window(panel), nullptr);
  EXPECT_EQ(editState().panelWindow, nullptr);
  EXPECT_EQ(editState().rollUpTimer, 0U);
}

TEST_F(ModuleLifetimeTest, DetachWithTheTimerStoppedOnlyDestroysThePanel) {
  editState().panelWindow = windows.createWindow();
  onProcessDetach();
  EXPECT_EQ(windows.log(), std::vector<std::string>{"destroyWindow"});
}

}  // namespace
}  // namespace jolvent
