// PNG files without a compression library: deflate's stored blocks.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace jolvent::workbench {

// rgb holds width * height pixels, three bytes each, rows top first.
std::vector<std::uint8_t> encodePng(int width, int height,
                                    const std::vector<std::uint8_t>& rgb);
// Writes encodePng's bytes; false when the file cannot be written.
bool writePng(const std::string& path, int width, int height,
              const std::vector<std::uint8_t>& rgb);

}  // namespace jolvent::workbench
