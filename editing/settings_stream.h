// The settings each ball joint carries in a data stream of its own.
#pragma once

#include "host/fwd.h"

namespace jolvent {

// Deletes the shape's settings stream, if it has one, and puts the three angle
// ranges back to +-360. Always answers false.
bool clearJointSettings(shape_class& shape);

}  // namespace jolvent
