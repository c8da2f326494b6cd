// The panel's two dialog templates as data, made from the same definition
// files as the module's dialog resources.
#pragma once

#include "window_system/dialog_template.h"

namespace jolvent {

extern const DialogTemplate kPanelDialogTemplate;       // 101
extern const DialogTemplate kJointValueDialogTemplate;  // 102

// The template with this resource id, or nullptr.
const DialogTemplate* findDialogTemplate(int id);

}  // namespace jolvent
