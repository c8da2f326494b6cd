// The stand-in host application: its answers are settings a test chooses.
#pragma once

#include "host/host_app.h"
#include "standin_host/counted.h"

namespace jolvent::standin {

class StandInScene;
class EditBracket;

class StandInApp final : public Counted<HostApp> {
public:
  StandInApp(HostContext& context, StandInScene& scene, EditBracket& bracket);

  bool isJapaneseUi(Reserved reserved) override;
  // The scene, counted, while one is open; null after closeScene.
  Scene* currentScene(Reserved reserved) override;
  bool isRecordingMotion(Reserved reserved) override;
  EditWindow* editWindow(Reserved reserved) override;

  void setJapaneseUi(bool japanese) { japaneseUi_ = japanese; }
  void setRecordingMotion(bool recording) { recordingMotion_ = recording; }
  // A scene is open from the start. Closing keeps its content; only
  // currentScene's answer changes. Notices are the Notifier's business.
  void openScene() { sceneOpen_ = true; }
  void closeScene() { sceneOpen_ = false; }
  bool sceneOpen() const { return sceneOpen_; }

private:
  StandInScene& scene_;
  EditBracket& bracket_;
  bool japaneseUi_ = false;
  bool recordingMotion_ = false;
  bool sceneOpen_ = true;
};

}  // namespace jolvent::standin
