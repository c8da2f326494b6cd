#include "workbench/app/script_steps.h"

namespace jolvent::workbench {

const std::vector<StepKind>& stepKinds() {
  using enum StepArgument;
  using P = StepPlayer;
  static const std::vector<StepKind> table = {
      {"select", {name}, &P::select},
      {"click-joint", {name}, &P::clickJoint},
      {"command", {}, &P::command},
      {"attribute", {}, &P::attribute},
      {"joint-drop", {}, &P::jointDrop},
      {"refresh", {}, &P::refresh},
      {"drag", {integer, integer}, &P::drag},
      {"ctrl-drag", {integer}, &P::ctrlDrag},
      {"dialog", {number, number, number}, &P::dialog},
      {"answer", {}, &P::answer},
      {"type", {integer, text}, &P::type},
      {"press", {integer}, &P::press},
      {"record", {onOff}, &P::record},
      {"position", {integer}, &P::position},
      {"play", {}, &P::play},
      {"save", {name}, &P::save},
      {"open", {name}, &P::open},
      {"screenshot", {name}, &P::screenshot},
      {"plugins", {name}, &P::plugins},
      {"dump", {}, &P::dump},
  };
  return table;
}

const StepKind* stepKindNamed(const std::string& name) {
  for (const StepKind& kind : stepKinds())
    if (name == kind.name) return &kind;
  return nullptr;
}

int playStep(StepPlayer& player, const ScriptStep& step) {
  const StepKind* kind = stepKindNamed(step.verb);
  if (kind == nullptr) throw ScriptError("unknown step '" + step.verb + "'");
  return (player.*kind->play)(step);
}

}  // namespace jolvent::workbench
