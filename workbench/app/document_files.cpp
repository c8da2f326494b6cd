#include "workbench/app/document_files.h"

#include <vector>

#include "workbench/gltf/gltf_document.h"

namespace jolvent::workbench {

namespace {

void removeEverything(standin::StandInScene& scene) {
  const std::vector<standin::Shape*> shapes = scene.root().children();
  for (standin::Shape* shape : shapes) scene.removeShape(*shape);
  scene.select({});
}

// Every joint of the workbench's document can be animated, as the sample
// figure's are, also when the file came from a tool that keyed none of them.
void giveJointsMotions(standin::StandInScene& scene) {
  for (standin::Shape* shape : scene.shapesInOrder()) {
    if (shape->isPart() && shape->partType() != standin::kPlainPartType)
      shape->motion().setPresent(true);
  }
}

}  // namespace

DocumentResult documentFileAction(DocumentAction action, standin::StandInHost& host,
                                  const std::string& path) {
  if (path.empty()) return {"No file was named.", {}};
  if (action == DocumentAction::save) return {saveGltf(host.scene(), path), {}};

  {
    standin::StandInHost aside;
    const OpenResult trial = openGltf(aside.scene(), path);
    if (!trial.ok()) return {trial.error, {}};
  }
  host.app().closeScene();
  host.notifier().sceneClosed();
  removeEverything(host.scene());
  OpenResult opened = openGltf(host.scene(), path);
  giveJointsMotions(host.scene());
  host.app().openScene();
  host.notifier().sceneOpened();
  return {opened.error, std::move(opened.warnings)};
}

}  // namespace jolvent::workbench
