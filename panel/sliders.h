// The four sliders and their value boxes: showing a value, following a drag,
// committing a typed number, and the snapshot of the boxes UNDO returns to.
#pragma once

#include "host/fwd.h"
#include "platform/win32_types.h"

namespace jolvent {

// Shows the value of slider (1001-1004; any other id does nothing) in its box
// (setText) and in the slider itself, range and position (setSlider).
void showSliderValue(int slider, bool setSlider, bool setText, int kind);

// Reads the number typed into box (1012-1015), holds it within the slider's
// limits, shows and applies it and records a motion key. A text that is no
// number is replaced by lastEditText and nothing is applied.
void commitTypedValue(int box, Scene* scene, int kind);

// WM_COMMAND from a value box while the panel is shown: answers whether the
// notification was acted on. kind is the panel's joint kind.
bool onBoxNotification(int box, int code, Scene* scene, int kind);

// WM_HSCROLL from a slider: answers whether the code was acted on.
bool onSliderMessage(int code, HWND slider, Scene* scene, int kind);

// The four boxes' numbers as the UNDO targets.
void snapshotBoxValues(Scene& scene);

}  // namespace jolvent
