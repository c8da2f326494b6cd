#include "tests/common/library.h"

#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace jolvent::test {

std::string modulePath() {
#ifdef JOLVENT_MODULE_PATH
  std::string path = JOLVENT_MODULE_PATH;
#ifdef _WIN32
  // Wine shows the Linux file system as drive Z.
  if (!path.empty() && path[0] == '/') path = "Z:" + path;
#endif
  return path;
#else
  return {};
#endif
}

Library::Library(const std::string& path) {
#ifdef _WIN32
  handle_ = LoadLibraryA(path.c_str());
  if (handle_ == nullptr)
    error_ = "LoadLibrary failed: " + std::to_string(GetLastError());
#else
  handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle_ == nullptr) error_ = dlerror();
#endif
}

Library::~Library() {
  if (handle_ == nullptr) return;
#ifdef _WIN32
  FreeLibrary(static_cast<HMODULE>(handle_));
#else
  dlclose(handle_);
#endif
}

void* Library::symbol(const char* name) const {
  if (handle_ == nullptr) return nullptr;
#ifdef _WIN32
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), name));
#else
  return dlsym(handle_, name);
#endif
}

void* Library::requireSymbol(const char* name) const {
  void* found = symbol(name);
  if (found == nullptr) throw std::runtime_error(std::string("missing export: ") + name);
  return found;
}

}  // namespace jolvent::test
