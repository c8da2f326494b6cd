// Saves the document tests' scene as sample.gltf and sample.glb in the given
// folder, for the validator.
#include <cstdio>
#include <string>

#include "standin_host/standin_host.h"
#include "tests/workbench/sample_scene.h"
#include "workbench/gltf/gltf_document.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
    return 2;
  }
  jolvent::standin::StandInHost host;
  jolvent::workbench::sample::buildSample(host.scene());
  int status = 0;
  for (const char* name : {"sample.gltf", "sample.glb"}) {
    const std::string error =
        jolvent::workbench::saveGltf(host.scene(), std::string(argv[1]) + "/" + name);
    if (!error.empty()) {
      std::fprintf(stderr, "%s\n", error.c_str());
      status = 1;
    }
  }
  return status;
}
