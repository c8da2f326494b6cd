// The four sliders and their value boxes: showing a value, following a drag,
// committing a typed number, and the snapshot of the boxes UNDO returns to.
#pragma once

#include "editing/edit_state.h"
#include "host/fwd.h"
#include "panel/joint_kind.h"
#include "platform/win32_types.h"

namespace jolvent {

// Shows the channel's value in its box and on its slider, range and
// position. Channel::none shows nothing, as do the two below.
void showSliderValue(Channel channel, JointKind kind);
// Only the slider's range and position: the box keeps its text.
void showOnSlider(Channel channel, JointKind kind);
// Only the box's text: the slider stays where it is.
void showInBox(Channel channel, JointKind kind);

// Marks the three angle limits as the selection of their sliders.
void markAngleLimits();

// Reads the number typed into box (1012-1015), holds it within the slider's
// limits, shows and applies it and records a motion key. A text that is no
// number is replaced by lastEditText and nothing is applied.
void commitTypedValue(int box, Scene* scene, JointKind kind);

// WM_COMMAND from a value box while the panel is shown: answers whether the
// notification was acted on. kind is the panel's joint kind.
bool onBoxNotification(int box, int code, Scene* scene, JointKind kind);

// WM_HSCROLL from a slider: answers whether the code was acted on.
bool onSliderMessage(int code, HWND slider, Scene* scene, JointKind kind);

// The four boxes' numbers as the UNDO targets.
void snapshotBoxValues(Scene& scene);

}  // namespace jolvent
