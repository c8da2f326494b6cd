#include "tests/common/cp932.h"

#include <stdexcept>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace jolvent::test {

#ifdef _WIN32
std::string cp932(const std::string& utf8) {
  const int wideLength = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                                             static_cast<int>(utf8.size()), nullptr, 0);
  if (wideLength <= 0 && !utf8.empty()) throw std::runtime_error("not UTF-8: " + utf8);
  std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                      wideLength);
  BOOL lossy = FALSE;
  const int length =
      WideCharToMultiByte(932, 0, wide.data(), wideLength, nullptr, 0, nullptr, &lossy);
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(932, 0, wide.data(), wideLength, bytes.data(), length, nullptr,
                      &lossy);
  if (lossy) throw std::runtime_error("not in code page 932: " + utf8);
  return bytes;
}
#else
std::string cp932(const std::string& utf8) {
  iconv_t converter = iconv_open("CP932", "UTF-8");
  if (converter == reinterpret_cast<iconv_t>(-1)) {
    throw std::runtime_error("iconv has no CP932");
  }
  std::string input = utf8;
  std::vector<char> output(input.size() * 2 + 1);
  char* in = input.data();
  std::size_t inLeft = input.size();
  char* out = output.data();
  std::size_t outLeft = output.size();
  const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
  iconv_close(converter);
  if (result == static_cast<std::size_t>(-1)) {
    throw std::runtime_error("not convertible to CP932: " + utf8);
  }
  return std::string(output.data(), output.size() - outLeft);
}
#endif

}  // namespace jolvent::test
