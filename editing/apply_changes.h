// Turning the panel's numbers into changes of the scene.
#pragma once

#include "host/fwd.h"

namespace jolvent {

// Writes the value of the slider used last to the edited joint. A ball joint
// is turned by the change of that slider's angle since it was last applied,
// the increment composed on the left, and its angles are stored with it; a
// valued joint (no ball joint edited) gets jointValue. A stale joint handle,
// or no active shape, changes nothing.
void applySliderChange(Scene& scene);

// While the host records motion, puts the edited joint's rotation or value
// into the active shape's motion at the current position: a key exactly
// there is overwritten, otherwise a key is added.
void recordMotionKey(Scene& scene);

// Gives jointMin and jointMax to the active joint as its range.
void pushJointRange(Scene& scene);

}  // namespace jolvent
