// What the seven exported functions answer; plugin/exports.cpp only forwards.
#pragma once

#include "host/fwd.h"
#include "host/module_boundary.h"

namespace jolvent {

// A null identifier is served by nothing; null outputs are left alone.

// Number of components offered for the interface: 1 for each of ours, else 0.
int hasInterface(const GUID* id);
// Display name, or null. For the plug-in interface it first remembers app as
// the module's host application, whatever the index.
const char* componentName(const GUID* id, int index, HostApp* app);
// The component's UUID record, or all zero.
UuidRecord componentUuid(const GUID* id, int index);
// Writes a new component holding one reference to *out; leaves *out as it
// was when none is served or none can be allocated.
void createComponent(const GUID* id, int index, unknown_interface** out);
bool isResident(const GUID* id, int index);
// Fills every field but the host's own.
void getInfo(ModuleInfo* info);
int textEncoding();

}  // namespace jolvent
