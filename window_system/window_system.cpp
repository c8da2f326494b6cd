#include "window_system/window_system.h"

#ifdef _WIN32
#include "window_system/win32_window_system.h"
#else
#include "window_system/headless_window_system.h"
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
