#include "editing/settings_stream.h"

namespace jolvent {

bool clearJointSettings(shape_class&) { return false; }

}  // namespace jolvent
