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
  host.app().openScene();
  host.notifier().sceneOpened();
  return {opened.error, std::move(opened.warnings)};
}

}  // namespace jolvent::workbench
