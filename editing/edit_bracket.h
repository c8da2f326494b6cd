// The host's edit bracket around an opening of the panel.
#pragma once

#include "host/edit_bracket.h"
#include "host/host_ref.h"

namespace jolvent {

// The host application's edit window, counted; empty without an application.
HostRef<EditWindow> hostEditWindow();

// The controller that opens and closes the bracket on window; borrowed.
EditController* editControllerOf(EditWindow& window);

// Opens the bracket on window when the host allows one, and records that
// it is open in editBracketOpen.
void openEditBracket(EditWindow& window);

// Closes the bracket if editBracketOpen says it is open, and clears it.
void closeEditBracket();

}  // namespace jolvent
