#include "panel/window_system.h"

#ifdef _WIN32
#include "panel/win32_window_system.h"
#else
#include "panel/headless_window_system.h"
#endif

namespace jolvent {

namespace {

WindowSystem& defaultWindowSystem() {
#ifdef _WIN32
  static Win32WindowSystem system;
#else
  static HeadlessWindowSystem system;
#endif
  return system;
}

WindowSystem* gReplacement = nullptr;

}  // namespace

WindowSystem& windowSystem() {
  return gReplacement != nullptr ? *gReplacement : defaultWindowSystem();
}

void setWindowSystem(WindowSystem* replacement) {
  gReplacement = replacement;
}

}  // namespace jolvent
