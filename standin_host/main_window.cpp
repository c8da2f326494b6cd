#include "standin_host/main_window.h"

#include <cstdint>
#include <stdexcept>

namespace jolvent::standin {

#ifdef _WIN32

namespace {
constexpr const char* kClassName = "JolventStandInMainWindow";

// Registered once per process; every host's window is of this class.
void registerClass(HINSTANCE instance) {
  static const bool registered = [instance] {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kClassName;
    return RegisterClassExA(&windowClass) != 0;
  }();
  if (!registered) throw std::runtime_error("stand-in host: no main window class");
}
}  // namespace

MainWindow::~MainWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
}

HWND MainWindow::handle() {
  if (window_ != nullptr) return window_;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  registerClass(instance);
  window_ =
      CreateWindowExA(0, kClassName, "Stand-in host", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                      CW_USEDEFAULT, 640, 480, nullptr, nullptr, instance, nullptr);
  if (window_ == nullptr) throw std::runtime_error("stand-in host: no main window");
  return window_;
}

#else

MainWindow::~MainWindow() = default;

HWND MainWindow::handle() {
  return reinterpret_cast<HWND>(std::uintptr_t{0x00010010});
}

#endif

}  // namespace jolvent::standin
