// Code page 932 texts to and from the UTF-16 of the wide Win32 functions, in
// fixed buffers: no heap on the way to the screen. Windows only.
#pragma once

#include "platform/win32_types.h"

namespace jolvent {

// Room for any text the panel shows or reads back, terminator included.
inline constexpr int kWideTextCapacity = 256;

// The UTF-16 form of a code page 932 text; longer texts are cut.
class WideText {
public:
  explicit WideText(const char* cp932);
  const wchar_t* get() const { return text_; }

private:
  wchar_t text_[kWideTextCapacity];
};

// Writes wide as code page 932 into size bytes, always terminated, never
// splitting a double-byte character; answers the length written.
int narrowText(const wchar_t* wide, char* text, int size);

}  // namespace jolvent
