// Number texts of the value boxes and labels, in fixed buffers.
#pragma once

#include <cstddef>

namespace jolvent {

// Room for any float written with "%6f" (up to 39 digits before the point).
inline constexpr std::size_t kNumberTextSize = 64;

struct NumberText {
  char text[kNumberTextSize];
};

// "%6f": at least six characters, six decimals; 12.5 gives "12.500000".
NumberText boxText(float value);
// "%1.2f", for the Joint slider's end labels.
NumberText labelText(float value);

// A number is a text whose first character is one of "0123456789-" and
// every later one of "0123456789.". An empty text is none.
bool isNumberText(const char* text);

// What atof reads from text, as a float.
float numberOfText(const char* text);

}  // namespace jolvent
