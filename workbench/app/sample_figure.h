// The figure the workbench opens with: a small skeleton whose joints reach
// every mode of the panel (ball joints, a rotator and a single-valued joint).
#pragma once

#include "standin_host/scene.h"

namespace jolvent::workbench {

// Adds the figure under the scene's root.
void addSampleFigure(standin::StandInScene& scene);

}  // namespace jolvent::workbench
