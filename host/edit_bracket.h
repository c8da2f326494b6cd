// The host's edit bracket: an edit window and the controller that opens and
// closes an editing session on it. [host implements, plug-in calls]
#pragma once

#include "host/fwd.h"
#include "platform/win32_types.h"

namespace jolvent {

// Its operations take the edit window alone, with no reserved argument.
class EditController {
public:
  virtual void endEdit(EditWindow* window) = 0;
  virtual void beginEdit(EditWindow* window) = 0;
  // beginEdit may be called, and the bracket counts as open, only when true.
  virtual bool canBeginEdit(EditWindow* window) = 0;

protected:
  ~EditController() = default;
};

class EditView {
public:
  // Borrowed.
  virtual EditController* editController(Reserved) = 0;

protected:
  ~EditView() = default;
};

// Obtained counted from HostApp::editWindow. The host keeps two pointers of
// its own ahead of the one the plug-in reads.
class EditWindow : public IUnknown {
public:
  void* hostData[2] = {};
  EditView* view = nullptr;

protected:
  ~EditWindow() = default;
};

}  // namespace jolvent
