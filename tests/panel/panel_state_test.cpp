#include "panel/panel_state.h"

#include <gtest/gtest.h>

namespace jolvent {
namespace {

TEST(PanelState, StartsWithThePanelPendingAndEverythingElseZero) {
  resetPanelState();
  const PanelState& state = panelState();
  EXPECT_TRUE(state.panelPending);
  EXPECT_EQ(state.panelWindow, nullptr);
  EXPECT_EQ(state.hostMainWindow, nullptr);
  EXPECT_FALSE(state.panelVisible);
  EXPECT_EQ(state.rollUpTimer, 0U);
  EXPECT_FALSE(state.tracking);
  EXPECT_EQ(state.lastEditText[0], '\0');
}

}  // namespace
}  // namespace jolvent
