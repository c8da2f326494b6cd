#include "window_system/cp932.h"

namespace jolvent {

namespace {
constexpr UINT kCodePage = 932;
}  // namespace

WideText::WideText(const char* cp932) {
  text_[0] = L'\0';
  if (cp932 == nullptr) return;
  const int written =
      MultiByteToWideChar(kCodePage, 0, cp932, -1, text_, kWideTextCapacity);
  // Too long: keep what fits.
  if (written == 0) text_[kWideTextCapacity - 1] = L'\0';
}

int narrowText(const wchar_t* wide, char* text, int size) {
  if (text == nullptr || size <= 0) return 0;
  char full[2 * kWideTextCapacity];
  int length =
      WideCharToMultiByte(kCodePage, 0, wide, -1, full, sizeof full, nullptr, nullptr);
  length = length > 0 ? length - 1 : 0;  // without the terminator
  int copied = 0;
  while (copied < length) {
    const int width =
        IsDBCSLeadByteEx(kCodePage, static_cast<BYTE>(full[copied])) != FALSE ? 2 : 1;
    if (copied + width > size - 1) break;
    for (int i = 0; i < width; ++i) text[copied + i] = full[copied + i];
    copied += width;
  }
  text[copied] = '\0';
  return copied;
}

}  // namespace jolvent
