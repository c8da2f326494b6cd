// Bringing the panel in line with the host's selection.
#pragma once

#include "host/fwd.h"

namespace jolvent {

// Reads the edited ball joint's rotation, stored angles and limits, or the
// active valued joint's value and range, shows them, and enables exactly the
// controls that fit. Nothing without a scene.
void refreshPanel(Scene* scene);

}  // namespace jolvent
