#include "plugin/discovery.h"

#include <new>

#include "editing/edit_state.h"
#include "host/host_app.h"
#include "host/module_boundary.h"
#include "plugin/component_uuids.h"
#include "plugin/components.h"
#include "plugin/module_info.h"
#include "plugin/texts.h"

namespace jolvent {

namespace {
// A host that passes no application gets the English names.
bool japaneseUi(HostApp* app) {
  return app != nullptr && app->isJapaneseUi(0);
}

// A null identifier names no interface.
bool isPlugin(const GUID* id) {
  return id != nullptr && sameInterfaceId(*id, PluginInterfaceId);
}
bool isMain(const GUID* id, int index) {
  return isPlugin(id) && index == 0;
}
bool isAttribute(const GUID* id) {
  return id != nullptr && sameInterfaceId(*id, AttributeInterfaceId);
}
}  // namespace

int hasInterface(const GUID* id) {
  return isPlugin(id) || isAttribute(id) ? 1 : 0;
}

const char* componentName(const GUID* id, int index, HostApp* app) {
  if (isPlugin(id)) {
    editState().hostApp = app;
    if (index != 0) return nullptr;
    return japaneseUi(app) ? text::kMainNameJapanese : text::kMainNameEnglish;
  }
  if (isAttribute(id)) {
    return japaneseUi(app) ? text::kAttributeNameJapanese : text::kAttributeNameEnglish;
  }
  return nullptr;
}

UuidRecord componentUuid(const GUID* id, int index) {
  if (isMain(id, index)) return kMainComponentRecord;
  if (isAttribute(id)) return kAttributeComponentRecord;
  return {};
}

void createComponent(const GUID* id, int index, unknown_interface** out) {
  // Nowhere to put it: the object would only leak.
  if (out == nullptr) return;
  unknown_interface* component = nullptr;
  if (isMain(id, index)) {
    component = new (std::nothrow) main_component;
  } else if (isAttribute(id)) {
    component = new (std::nothrow) attribute_component;
  }
  if (component == nullptr) return;
  component->AddRef();
  *out = component;
}

bool isResident(const GUID* id, int index) {
  return isMain(id, index);
}

void getInfo(ModuleInfo* info) {
  if (info != nullptr) fillModuleInfo(*info);
}

int textEncoding() {
  return text::kCodePage;
}

}  // namespace jolvent
