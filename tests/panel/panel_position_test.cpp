#include "panel/panel_position.h"

#include <gtest/gtest.h>

namespace jolvent {
namespace {

TEST(PanelPosition, AStoredCornerIsUsedWhileThePanelFitsOnTheScreen) {
  const ScreenSize screen{1280, 1024};
  const int width = 300;
  const int height = 220;
  const std::uint32_t centred = packPosition(640 - 150, 512 - 110);
  const struct {
    std::uint32_t stored;
    std::uint32_t used;
  } cases[] = {
      {packPosition(100, 200), packPosition(100, 200)},
      {packPosition(980, 804), packPosition(980, 804)},  // touching both edges fits
      {packPosition(981, 804), centred},
      {packPosition(980, 805), centred},
      {kNoPosition, centred},
      // Partly off the left edge: -5 was stored as 65531.
      {packPosition(-5, 100), centred},
  };
  for (const auto& entry : cases) {
    EXPECT_EQ(fittedPosition(entry.stored, screen, width, height), entry.used)
        << std::hex << entry.stored;
  }
  // Halves truncated towards zero.
  EXPECT_EQ(fittedPosition(kNoPosition, {1279, 1023}, 301, 221),
            packPosition(639 - 150, 511 - 110));
}

}  // namespace
}  // namespace jolvent
