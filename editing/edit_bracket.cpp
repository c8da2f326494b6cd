#include "editing/edit_bracket.h"

#include "editing/edit_state.h"
#include "host/edit_bracket.h"
#include "host/host_app.h"

namespace jolvent {

HostRef<EditWindow> hostEditWindow() {
  HostApp* app = editState().hostApp;
  return HostRef<EditWindow>::adopt(app != nullptr ? app->editWindow(0) : nullptr);
}

EditController* editControllerOf(EditWindow& window) {
  return window.view != nullptr ? window.view->editController(0) : nullptr;
}

void openEditBracket(EditWindow& window) {
  EditController* controller = editControllerOf(window);
  if (controller == nullptr || !controller->canBeginEdit(&window)) return;
  editState().editBracketOpen = true;
  controller->beginEdit(&window);
}

void closeEditBracket() {
  EditState& state = editState();
  if (!state.editBracketOpen) return;
  HostRef<EditWindow> window = hostEditWindow();
  EditController* controller = window ? editControllerOf(*window) : nullptr;
  if (controller != nullptr) controller->endEdit(window.get());
  state.editBracketOpen = false;
}

}  // namespace jolvent
