// Typed requests to a dialog's controls, one function a message: callers say
// what they ask for and never pack a parameter by hand. Every request that
// changes what a trackbar shows asks it to redraw.
#pragma once

#include <cstdint>

#include "platform/win32_types.h"
#include "window_system/trackbar.h"
#include "window_system/window_system.h"

namespace jolvent {

inline void setSliderRange(HWND dialog, int slider, int minimum, int maximum) {
  windowSystem().sendItemMessage(dialog, slider, TBM_SETRANGE, kRedraw,
                                 packTrackbarRange(minimum, maximum));
}

// The marked part of the channel.
inline void setSliderSelection(HWND dialog, int slider, int start, int end) {
  windowSystem().sendItemMessage(dialog, slider, TBM_SETSEL, kRedraw,
                                 packTrackbarRange(start, end));
}

inline void setSliderPosition(HWND dialog, int slider, int position) {
  windowSystem().sendItemMessage(dialog, slider, TBM_SETPOS, kRedraw, position);
}

// The position as the trackbar keeps it, a signed 16-bit number.
inline int sliderPosition(HWND dialog, int slider) {
  return static_cast<std::int16_t>(
      windowSystem().sendItemMessage(dialog, slider, TBM_GETPOS, 0, 0));
}

inline void setSliderPageSize(HWND dialog, int slider, int size) {
  windowSystem().sendItemMessage(dialog, slider, TBM_SETPAGESIZE, 0, size);
}

inline void setSliderLineSize(HWND dialog, int slider, int size) {
  windowSystem().sendItemMessage(dialog, slider, TBM_SETLINESIZE, 0, size);
}

inline void addSliderTick(HWND dialog, int slider, int position) {
  windowSystem().sendItemMessage(dialog, slider, TBM_SETTIC, 0, position);
}

// The most characters the user can type into an edit box.
inline void limitBoxText(HWND dialog, int box, int characters) {
  windowSystem().sendItemMessage(dialog, box, EM_LIMITTEXT,
                                 static_cast<WPARAM>(characters), 0);
}

inline bool isButtonChecked(HWND dialog, int button) {
  return windowSystem().sendItemMessage(dialog, button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

inline void uncheckButton(HWND dialog, int button) {
  windowSystem().sendItemMessage(dialog, button, BM_SETCHECK, BST_UNCHECKED, 0);
}

}  // namespace jolvent
