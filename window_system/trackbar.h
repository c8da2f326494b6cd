// Packing of trackbar message parameters.
#pragma once

#include <cstdint>

#include "platform/win32_types.h"

namespace jolvent {

// A trackbar range or selection in one parameter: each end as a signed 16-bit
// number, minimum in the low and maximum in the high half. An end beyond
// -32768..32767 is held at -32768 or 32767 instead of wrapping, which
// would turn a wide range upside down.
inline LPARAM packTrackbarRange(int minimum, int maximum) {
  const auto half = [](int end) {
    const int held = end < -32768 ? -32768 : end > 32767 ? 32767 : end;
    return static_cast<std::uint32_t>(held) & 0xFFFFU;
  };
  return static_cast<LPARAM>(half(maximum) << 16 | half(minimum));
}

// The two ends of a packed range, as signed 16-bit numbers, the way the
// trackbar reads them.
inline int trackbarRangeMinimum(LPARAM packed) {
  return static_cast<std::int16_t>(static_cast<std::uint32_t>(packed) & 0xFFFFU);
}
inline int trackbarRangeMaximum(LPARAM packed) {
  return static_cast<std::int16_t>((static_cast<std::uint32_t>(packed) >> 16) & 0xFFFFU);
}

// wParam of range, selection and position requests: redraw the control.
inline constexpr WPARAM kRedraw = 1;

}  // namespace jolvent
