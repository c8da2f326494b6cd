#include "workbench/app/png_writer.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdio>

namespace jolvent::workbench {

namespace {

std::uint32_t crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc) {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> made{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1U) != 0 ? 0xEDB88320U ^ (c >> 1) : c >> 1;
      made[n] = c;
    }
    return made;
  }();
  for (std::size_t i = 0; i < size; ++i)
    crc = table[(crc ^ data[i]) & 0xFFU] ^ (crc >> 8);
  return crc;
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8)
    out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void chunk(std::vector<std::uint8_t>& out, const char* type,
           const std::vector<std::uint8_t>& data) {
  put32(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  put32(out, crc32(out.data() + start, out.size() - start, 0xFFFFFFFFU) ^ 0xFFFFFFFFU);
}

}  // namespace

std::vector<std::uint8_t> encodePng(int width, int height,
                                    const std::vector<std::uint8_t>& rgb) {
  const std::size_t row = static_cast<std::size_t>(width) * 3;
  std::vector<std::uint8_t> raw;
  raw.reserve((row + 1) * static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) {
    raw.push_back(0);  // filter: none
    const auto* begin = rgb.data() + row * static_cast<std::size_t>(y);
    raw.insert(raw.end(), begin, begin + row);
  }

  std::vector<std::uint8_t> zlib{0x78, 0x01};
  constexpr std::size_t kBlock = 65535;
  for (std::size_t at = 0; at == 0 || at < raw.size(); at += kBlock) {
    const std::size_t size = std::min(kBlock, raw.size() - at);
    zlib.push_back(at + size >= raw.size() ? 1 : 0);
    zlib.push_back(static_cast<std::uint8_t>(size));
    zlib.push_back(static_cast<std::uint8_t>(size >> 8));
    zlib.push_back(static_cast<std::uint8_t>(~size));
    zlib.push_back(static_cast<std::uint8_t>(~size >> 8));
    zlib.insert(zlib.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
                raw.begin() + static_cast<std::ptrdiff_t>(at + size));
    if (raw.empty()) break;
  }
  std::uint32_t a = 1;
  std::uint32_t b = 0;
  for (std::uint8_t byte : raw) {
    a = (a + byte) % 65521U;
    b = (b + a) % 65521U;
  }
  put32(zlib, (b << 16) | a);

  std::vector<std::uint8_t> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<std::uint8_t> header;
  put32(header, static_cast<std::uint32_t>(width));
  put32(header, static_cast<std::uint32_t>(height));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8-bit RGB
  chunk(png, "IHDR", header);
  chunk(png, "IDAT", zlib);
  chunk(png, "IEND", {});
  return png;
}

bool writePng(const std::string& path, int width, int height,
              const std::vector<std::uint8_t>& rgb) {
  const std::vector<std::uint8_t> bytes = encodePng(width, height, rgb);
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

}  // namespace jolvent::workbench
