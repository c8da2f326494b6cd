// The script's steps as the workbench's windows do them. Private to the
// workbench executable.
#pragma once

#include "workbench/app/script.h"
#include "workbench/app/window_state.h"

namespace jolvent::workbench {

// Ticks that let the windows take in input before the next step.
inline constexpr int kSettleTicks = 3;

// Does one step; answers how many ticks to let pass before the next. What
// the step does on later ticks it leaves in state.followUps.
int performStep(WorkbenchWindow::State& state, const ScriptStep& step);

}  // namespace jolvent::workbench
