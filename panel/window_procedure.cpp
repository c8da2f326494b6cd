#include "panel/window_procedure.h"

#include "editing/edit_state.h"
#include "host/host_app.h"

namespace jolvent {

HostRef<Scene> currentScene() {
  HostApp* app = editState().hostApp;
  return HostRef<Scene>::adopt(app != nullptr ? app->currentScene(0) : nullptr);
}

}  // namespace jolvent
