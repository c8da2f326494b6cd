// The Joint Value Setting dialog: Ctrl-dragging a slider asks for its lower
// limit, value and upper limit.
#pragma once

#include "host/fwd.h"
#include "panel/joint_kind.h"
#include "platform/win32_types.h"

namespace jolvent {

// Runs the dialog modally for the channel activeControl names and, after a
// valid OK, puts the new numbers on the slider, stores or hands on the new
// limits and applies the value. kind is the panel's joint kind.
void openJointValueDialog(Scene* scene, JointKind kind);

// True while the dialog runs: the panel leaves slider messages alone
// meanwhile (a second dialog would open inside the first).
bool jointValueDialogRunning();

INT_PTR CALLBACK jointValueDialogProc(HWND window, UINT message, WPARAM wParam,
                                      LPARAM lParam);

}  // namespace jolvent
