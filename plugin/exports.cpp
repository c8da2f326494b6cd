// The module's boundary: the entry point and the seven functions the host
// looks up by name. Each only forwards.
#include <type_traits>

#include "host/module_boundary.h"
#include "host/plugin_interface.h"
#include "plugin/discovery.h"
#include "plugin/module_lifetime.h"

#ifdef _WIN32
#define JOLVENT_EXPORT extern "C"
#else
#define JOLVENT_EXPORT extern "C" __attribute__((visibility("default")))
#endif

using jolvent::HostApp;
using jolvent::ModuleInfo;
using jolvent::unknown_interface;
using jolvent::UuidRecord;

JOLVENT_EXPORT int has_interface(const GUID* id) {
  return jolvent::hasInterface(id);
}

JOLVENT_EXPORT const char* get_name(const GUID* id, int index, HostApp* app) {
  return jolvent::componentName(id, index, app);
}

JOLVENT_EXPORT UuidRecord get_uuid(const GUID* id, int index) {
  return jolvent::componentUuid(id, index);
}

JOLVENT_EXPORT void create_interface(const GUID* id, int index, unknown_interface** out) {
  jolvent::createComponent(id, index, out);
}

JOLVENT_EXPORT bool is_resident(const GUID* id, int index) {
  return jolvent::isResident(id, index);
}

JOLVENT_EXPORT void get_info(ModuleInfo* info) {
  jolvent::getInfo(info);
}

JOLVENT_EXPORT int get_text_encoding() {
  return jolvent::textEncoding();
}

// Each export has the signature hosts call it with.
namespace exports = jolvent::exports;
static_assert(std::is_same_v<decltype(has_interface), exports::has_interface>);
static_assert(std::is_same_v<decltype(get_name), exports::get_name>);
static_assert(std::is_same_v<decltype(get_uuid), exports::get_uuid>);
static_assert(std::is_same_v<decltype(create_interface), exports::create_interface>);
static_assert(std::is_same_v<decltype(is_resident), exports::is_resident>);
static_assert(std::is_same_v<decltype(get_info), exports::get_info>);
static_assert(std::is_same_v<decltype(get_text_encoding), exports::get_text_encoding>);

#ifdef _WIN32
BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) jolvent::onProcessAttach(instance);
  if (reason == DLL_PROCESS_DETACH) jolvent::onProcessDetach();
  return TRUE;
}
#else
// The shared library's load and unload stand in for the DLL's attach and detach.
__attribute__((constructor)) static void jolventAttach() {
  jolvent::onProcessAttach(nullptr);
}
__attribute__((destructor)) static void jolventDetach() {
  jolvent::onProcessDetach();
}
#endif
