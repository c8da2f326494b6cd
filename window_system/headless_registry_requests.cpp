// The registry requests, logged and answered by the in-memory registry.
#include <string>

#include "window_system/headless_text.h"
#include "window_system/headless_window_system.h"

namespace jolvent {

using headless::hex;
using headless::orEmpty;

LONG HeadlessWindowSystem::openKey(HKEY root, const char* path, REGSAM access,
                                   HKEY* key) {
  log_.push_back("openKey " + orEmpty(path) + " " + hex(access));
  return registry_.openKey(root, path, key);
}

LONG HeadlessWindowSystem::createKey(HKEY root, const char* path, DWORD options,
                                     REGSAM access, HKEY* key) {
  log_.push_back("createKey " + orEmpty(path) + " " + hex(options) + " " + hex(access));
  return registry_.createKey(root, path, key);
}

LONG HeadlessWindowSystem::queryValue(HKEY key, const char* name, DWORD* type, BYTE* data,
                                      DWORD* size) {
  log_.push_back("queryValue " + orEmpty(name) + " " +
                 (size == nullptr ? std::string("-") : std::to_string(*size)));
  return registry_.queryValue(key, name, type, data, size);
}

LONG HeadlessWindowSystem::setValue(HKEY key, const char* name, DWORD type,
                                    const BYTE* data, DWORD size) {
  log_.push_back("setValue " + orEmpty(name) + " " + std::to_string(type) + " " +
                 std::to_string(size));
  return registry_.setValue(key, name, type, data, size);
}

LONG HeadlessWindowSystem::closeKey(HKEY key) {
  log_.emplace_back("closeKey");
  return registry_.closeKey(key);
}

}  // namespace jolvent
