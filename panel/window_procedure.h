// What every window procedure of the panel does around its message: it takes
// the host's current scene, and contains whatever a handler throws.
#pragma once

#include "host/host_ref.h"
#include "host/scene.h"
#include "platform/win32_types.h"

namespace jolvent {

// The current scene of the host application, counted; empty when there is
// none or no application is known yet. Each window procedure takes one at
// every message and lets it go on every path.
HostRef<Scene> currentScene();

// The window procedures are the boundary to the window system's own code,
// which a C++ exception must not cross: whatever a handler throws ends the
// message there, unhandled. Every counted reference is released by then.
template <class Handler>
INT_PTR containExceptions(Handler handler) {
  try {
    return handler();
  } catch (...) {
    return 0;
  }
}

}  // namespace jolvent
