// The panel's remembered screen position: "Pos" under
// HKEY_CURRENT_USER\Software\KELMARO\Jolvent10, a REG_DWORD with the outer
// top-left corner, x in the low and y in the high 16 bits, both unsigned.
#pragma once

#include <cstdint>

namespace jolvent {

inline constexpr const char* kPositionKey = "Software\\KELMARO\\Jolvent10";
inline constexpr const char* kPositionValue = "Pos";
// No position stored: far beyond any screen, so the panel is centred.
inline constexpr std::uint32_t kNoPosition = 0x270F270FU;

struct ScreenSize {
  int width;
  int height;
};

inline std::uint32_t packPosition(int x, int y) {
  return (static_cast<std::uint32_t>(y) & 0xFFFFU) << 16 |
         (static_cast<std::uint32_t>(x) & 0xFFFFU);
}
inline int positionX(std::uint32_t packed) {
  return static_cast<int>(packed & 0xFFFFU);
}
inline int positionY(std::uint32_t packed) {
  return static_cast<int>(packed >> 16);
}

// stored as it is when the panel fits on the screen there (touching the
// right or bottom edge fits), else the centred position.
std::uint32_t fittedPosition(std::uint32_t stored, ScreenSize screen, int panelWidth,
                             int panelHeight);

// The stored position made to fit the screen; kNoPosition when the key or
// the value cannot be read.
std::uint32_t readPanelPosition();
void writePanelPosition(std::uint32_t packed);

}  // namespace jolvent
