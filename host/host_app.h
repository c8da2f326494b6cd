// The host application. [host implements, plug-in calls]
// The plug-in keeps one borrowed pointer to it and never releases it.
#pragma once

#include "host/fwd.h"
#include "platform/win32_types.h"

namespace jolvent {

class HostApp : public IUnknown {
public:
  virtual bool isJapaneseUi(Reserved) = 0;
  // Counted, or null when no document is open.
  virtual Scene* currentScene(Reserved) = 0;
  virtual bool isRecordingMotion(Reserved) = 0;
  // Counted.
  virtual EditWindow* editWindow(Reserved) = 0;

protected:
  ~HostApp() = default;
};

}  // namespace jolvent
