// What the module does when the process loads and unloads it.
#pragma once

#include "platform/win32_types.h"

namespace jolvent {

// Remembers the module instance; dialog resources are loaded from it.
void onProcessAttach(HINSTANCE instance);

// Destroys the panel if it exists, killing its roll-up timer first, even when
// the host never said the scene went away.
void onProcessDetach();

}  // namespace jolvent
