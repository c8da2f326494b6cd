// The steps a session script may hold: the one table the parser checks each
// line against and the player plays each step by.
#pragma once

#include <string>
#include <vector>

#include "workbench/app/script.h"

namespace jolvent::workbench {

// What a step's argument must be. `text` takes the rest of the line.
enum class StepArgument { name, integer, number, onOff, text };

// Does the steps, one function for each in the table. Every answer is how
// many ticks to let pass before the next step. The table names these
// functions, not a player's, so it builds where no player does.
class StepPlayer {
public:
  virtual int select(const ScriptStep& step) = 0;
  virtual int clickJoint(const ScriptStep& step) = 0;
  virtual int command(const ScriptStep& step) = 0;
  virtual int attribute(const ScriptStep& step) = 0;
  virtual int jointDrop(const ScriptStep& step) = 0;
  virtual int refresh(const ScriptStep& step) = 0;
  virtual int drag(const ScriptStep& step) = 0;
  virtual int ctrlDrag(const ScriptStep& step) = 0;
  virtual int dialog(const ScriptStep& step) = 0;
  virtual int answer(const ScriptStep& step) = 0;
  virtual int type(const ScriptStep& step) = 0;
  virtual int press(const ScriptStep& step) = 0;
  virtual int record(const ScriptStep& step) = 0;
  virtual int position(const ScriptStep& step) = 0;
  virtual int play(const ScriptStep& step) = 0;
  virtual int save(const ScriptStep& step) = 0;
  virtual int open(const ScriptStep& step) = 0;
  virtual int screenshot(const ScriptStep& step) = 0;
  virtual int plugins(const ScriptStep& step) = 0;
  virtual int dump(const ScriptStep& step) = 0;

protected:
  ~StepPlayer() = default;
};

struct StepKind {
  const char* name;
  std::vector<StepArgument> arguments;
  int (StepPlayer::*play)(const ScriptStep& step);
};

// Every step a script may hold.
const std::vector<StepKind>& stepKinds();
// The step of that name, or null.
const StepKind* stepKindNamed(const std::string& name);

// Plays a parsed step; answers the ticks to wait after it.
int playStep(StepPlayer& player, const ScriptStep& step);

}  // namespace jolvent::workbench
