// Playing a session script in the running workbench, a step a tick or
// more. A thread timer drives it, so that it goes on inside the modal loops
// the panel's dialogs run.
#include "workbench/app/workbench_window.h"

#include <windows.h>

#include <cstdio>
#include <exception>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "workbench/app/owned_windows.h"
#include "workbench/app/window_state.h"
#include "workbench/app/window_steps.h"

namespace jolvent::workbench {

namespace {

WorkbenchWindow::State* playing = nullptr;

constexpr UINT kStepMilliseconds = 100;

void CALLBACK scriptTick(HWND, UINT, UINT_PTR timer, DWORD) {
  WorkbenchWindow::State& state = *playing;
  if (state.waitTicks > 0) {
    --state.waitTicks;
    return;
  }
  if (state.dirty) refreshAll(state);
  const bool followingUp = !state.followUps.empty();
  if (!followingUp && state.nextStep >= state.steps.size()) {
    // The dialogs a failed step left open are cancelled first: the window
    // they belong to must not go while their modal loops run.
    if (HWND dialog = modalDialogOver(state.main)) {
      PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
      state.waitTicks = 1;
      return;
    }
    KillTimer(nullptr, timer);
    playing = nullptr;
    PostMessageW(state.main, WM_CLOSE, 0, 0);
    return;
  }
  const ScriptStep& step =
      state.steps[followingUp ? state.nextStep - 1 : state.nextStep++];
  try {
    if (followingUp) {
      const std::function<int()> next = std::move(state.followUps.front());
      state.followUps.pop_front();
      state.waitTicks = next();
    } else {
      state.waitTicks = performStep(state, step);
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "line %d: %s: %s\n", step.line, step.verb.c_str(), error.what());
    state.exitStatus = 1;
    state.nextStep = state.steps.size();
    state.followUps.clear();
  }
  std::fflush(stdout);
}

}  // namespace

void WorkbenchWindow::playScript(std::vector<ScriptStep> steps, std::string outDir) {
  state_->steps = std::move(steps);
  state_->outDir = std::move(outDir);
  state_->nextStep = 0;
  state_->waitTicks = kSettleTicks;
  // Each dump is added to one file, begun afresh for every run.
  std::remove((state_->outDir + "/dump.txt").c_str());
  playing = state_.get();
  SetTimer(nullptr, 0, kStepMilliseconds, scriptTick);
}

}  // namespace jolvent::workbench
