// The Plug-ins window: what the workbench found in the module it hosts, its
// record above a list of its components.
#pragma once

#include <windows.h>

#include <string>

#include "workbench/app/session.h"

namespace jolvent::workbench {

// Shows the window over owner, made on first use and brought forward after;
// answers it. Close and Escape put it away.
HWND showPluginsWindow(HWND owner, const PluginDescription& description);

// Whether window is the Plug-ins window.
bool isPluginsWindow(HWND window);

// What the window shows, read back from its controls: the record's lines,
// then one line a component with the list's cells between " | ".
std::string pluginsWindowText(HWND window);

}  // namespace jolvent::workbench
