#include "window_system/trackbar.h"

#include <gtest/gtest.h>

namespace jolvent {
namespace {

TEST(TrackbarRange, PacksSignedEndsAndHoldsThoseBeyondSixteenBits) {
  const struct {
    int minimum;
    int maximum;
    LPARAM packed;
  } cases[] = {
      {-360, 360, 0x0168FE98},
      {-100, 100, 0x0064FF9C},
      {0, 10, 0x000A0000},
      {-32768, 32767, 0x7FFF8000},
      // A joint range of -1000..1000 in hundredths would wrap to an upside-down range.
      {-100000, 100000, 0x7FFF8000},
  };
  for (const auto& entry : cases) {
    SCOPED_TRACE(testing::Message() << entry.minimum << ".." << entry.maximum);
    const LPARAM packed = packTrackbarRange(entry.minimum, entry.maximum);
    EXPECT_EQ(packed, entry.packed);
    EXPECT_LE(trackbarRangeMinimum(packed), trackbarRangeMaximum(packed));
  }
}

}  // namespace
}  // namespace jolvent
