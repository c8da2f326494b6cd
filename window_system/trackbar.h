// Packing of trackbar message parameters.
#pragma once

#include <cstdint>

#include "platform/win32_types.h"

namespace jolvent {

// A trackbar range or selection in one parameter: the low 16 bits of each
// end, minimum low and maximum high. Ends outside -32768..32767 wrap.
inline LPARAM packTrackbarRange(int minimum, int maximum) {
  const auto low = static_cast<std::uint32_t>(minimum) & 0xFFFFU;
  const auto high = static_cast<std::uint32_t>(maximum) & 0xFFFFU;
  return static_cast<LPARAM>(high << 16 | low);
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
