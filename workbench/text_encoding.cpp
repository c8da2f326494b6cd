#include "workbench/text_encoding.h"

#include <cstdio>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace jolvent::workbench {

#ifdef _WIN32
std::string utf8FromCp932(const std::string& cp932) {
  const int size = static_cast<int>(cp932.size());
  const int wideLength = MultiByteToWideChar(932, 0, cp932.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
  MultiByteToWideChar(932, 0, cp932.data(), size, wide.data(), wideLength);
  const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0,
                                         nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, utf8.data(), length, nullptr,
                      nullptr);
  return utf8;
}
#else
std::string utf8FromCp932(const std::string& cp932) {
  iconv_t converter = iconv_open("UTF-8", "CP932");
  if (converter == reinterpret_cast<iconv_t>(-1)) return cp932;
  std::string input = cp932;
  std::vector<char> output(input.size() * 3 + 1);
  char* in = input.data();
  std::size_t inLeft = input.size();
  char* out = output.data();
  std::size_t outLeft = output.size();
  while (inLeft > 0 &&
         iconv(converter, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1)) {
    if (outLeft == 0) break;
    *out++ = '?';  // skip the byte that does not convert
    --outLeft;
    ++in;
    --inLeft;
  }
  iconv_close(converter);
  return std::string(output.data(), output.size() - outLeft);
}
#endif

std::string quotedName(const char* cp932) {
  return cp932 != nullptr ? "\"" + utf8FromCp932(cp932) + "\"" : "(none)";
}

}  // namespace jolvent::workbench
