// What the seven exported functions answer; plugin/exports.cpp only forwards.
#pragma once

#include "host/fwd.h"
#include "host/uuid_record.h"
#include "platform/win32_types.h"
#include "plugin/module_info.h"

namespace jolvent {

class unknown_interface;

// Number of components offered for the interface: 1 for each of ours, else 0.
int hasInterface(const GUID& id);
// Display name, or null. For the plug-in interface it first remembers app as
// the module's host application, whatever the index.
const char* componentName(const GUID& id, int index, HostApp* app);
// The component's UUID record, or all zero.
UuidRecord componentUuid(const GUID& id, int index);
// A new component holding one reference, or null when none is served.
unknown_interface* createComponent(const GUID& id, int index);
bool isResident(const GUID& id, int index);
void getInfo(ModuleInfo& info);
int textEncoding();

}  // namespace jolvent
