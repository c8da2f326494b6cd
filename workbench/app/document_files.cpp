#include "workbench/app/document_files.h"

namespace jolvent::workbench {

std::string documentFileAction(DocumentAction action, standin::StandInScene& scene,
                               const std::string& path) {
  (void)scene;
  (void)path;
  return action == DocumentAction::open ? "Opening a file is not available yet."
                                        : "Saving a file is not available yet.";
}

}  // namespace jolvent::workbench
