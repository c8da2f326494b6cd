#include "plugin/discovery.h"

#include <new>

#include "editing/edit_state.h"
#include "host/host_app.h"
#include "plugin/components.h"
#include "plugin/identifiers.h"
#include "plugin/texts.h"
#include "plugin/uuid_text.h"

namespace jolvent {

namespace {
// A host that passes no application gets the English names.
bool japaneseUi(HostApp* app) {
  return app != nullptr && app->isJapaneseUi(0);
}

bool isMain(const GUID& id, int index) {
  return sameInterfaceId(id, PluginInterfaceId) && index == 0;
}
bool isAttribute(const GUID& id) {
  return sameInterfaceId(id, AttributeInterfaceId);
}
}  // namespace

int hasInterface(const GUID& id) {
  return sameInterfaceId(id, PluginInterfaceId) || isAttribute(id) ? 1 : 0;
}

const char* componentName(const GUID& id, int index, HostApp* app) {
  if (sameInterfaceId(id, PluginInterfaceId)) {
    editState().hostApp = app;
    if (index != 0) return nullptr;
    return japaneseUi(app) ? text::kMainNameJapanese : text::kMainNameEnglish;
  }
  if (isAttribute(id)) {
    return japaneseUi(app) ? text::kAttributeNameJapanese : text::kAttributeNameEnglish;
  }
  return nullptr;
}

UuidRecord componentUuid(const GUID& id, int index) {
  if (isMain(id, index)) return parseUuidText(MainComponentUuid);
  if (isAttribute(id)) return parseUuidText(AttributeComponentUuid);
  return {};
}

unknown_interface* createComponent(const GUID& id, int index) {
  unknown_interface* component = nullptr;
  if (isMain(id, index)) {
    component = new (std::nothrow) main_component;
  } else if (isAttribute(id)) {
    component = new (std::nothrow) attribute_component;
  }
  if (component != nullptr) component->AddRef();
  return component;
}

bool isResident(const GUID& id, int index) {
  return isMain(id, index);
}

void getInfo(ModuleInfo& info) {
  fillModuleInfo(info);
}

int textEncoding() {
  return text::kCodePage;
}

}  // namespace jolvent
