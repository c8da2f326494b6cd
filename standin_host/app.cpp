#include "standin_host/app.h"

#include "standin_host/edit_bracket.h"
#include "standin_host/scene.h"

namespace jolvent::standin {

StandInApp::StandInApp(HostContext& context, StandInScene& scene, EditBracket& bracket)
    : Counted(context, "HostApp", "", Lifetime::host), scene_(scene), bracket_(bracket) {}

bool StandInApp::isJapaneseUi(Reserved reserved) {
  enter("HostApp::isJapaneseUi", "", reserved);
  return japaneseUi_;
}

Scene* StandInApp::currentScene(Reserved reserved) {
  enter("HostApp::currentScene", "", reserved);
  return sceneOpen_ ? scene_.handOut() : nullptr;
}

bool StandInApp::isRecordingMotion(Reserved reserved) {
  enter("HostApp::isRecordingMotion", "", reserved);
  return recordingMotion_;
}

EditWindow* StandInApp::editWindow(Reserved reserved) {
  enter("HostApp::editWindow", "", reserved);
  return bracket_.window().handOut();
}

}  // namespace jolvent::standin
