#include "standin_host/plugin_module.h"

#ifndef _WIN32
#include <dlfcn.h>
#endif

namespace jolvent::standin {

namespace {

void* openLibrary(const std::string& path) {
#ifdef _WIN32
  HMODULE library = LoadLibraryA(path.c_str());
  if (library == nullptr) {
    throw PluginLoadError("cannot load " + path + ": error " +
                          std::to_string(GetLastError()));
  }
  return reinterpret_cast<void*>(library);
#else
  void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) throw PluginLoadError("cannot load " + path + ": " + dlerror());
  return library;
#endif
}

void closeLibrary(void* library) {
#ifdef _WIN32
  FreeLibrary(reinterpret_cast<HMODULE>(library));
#else
  dlclose(library);
#endif
}

void* findExport(void* library, const char* name) {
#ifdef _WIN32
  return reinterpret_cast<void*>(
      GetProcAddress(reinterpret_cast<HMODULE>(library), name));
#else
  return dlsym(library, name);
#endif
}

template <class Function>
void resolve(void* library, const char* name, Function*& function) {
  void* address = findExport(library, name);
  if (address == nullptr) throw PluginLoadError(std::string("missing export ") + name);
  function = reinterpret_cast<Function*>(address);
}

}  // namespace

PluginModule::PluginModule(const std::string& path) : library_(openLibrary(path)) {
  try {
    resolve(library_, "has_interface", exports_.has_interface);
    resolve(library_, "get_name", exports_.get_name);
    resolve(library_, "get_uuid", exports_.get_uuid);
    resolve(library_, "create_interface", exports_.create_interface);
    resolve(library_, "is_resident", exports_.is_resident);
    resolve(library_, "get_info", exports_.get_info);
    resolve(library_, "get_text_encoding", exports_.get_text_encoding);
  } catch (...) {
    closeLibrary(library_);
    throw;
  }
}

PluginModule::~PluginModule() {
  closeLibrary(library_);
}

unknown_interface* PluginModule::create(const GUID& id, int index) const {
  unknown_interface* component = nullptr;
  exports_.create_interface(&id, index, &component);
  return component;
}

}  // namespace jolvent::standin
