// The joint kind: the host's partType of the active shape, which decides how
// the Joint slider and its box show a value. The three angle sliders always
// show theirs as the angle kind.
#pragma once

#include "host/fwd.h"

namespace jolvent {

// Any partType the host answers is a kind; these are the ones with a name.
enum class JointKind : int {
  none = -1,       // not a part, or no scene
  rotator = 2,     // shown times 180 in its box
  angle = 10,      // the ball-joint angles
  wholeUnit = 13,  // its slider moves in whole joint units rather than hundredths
};

constexpr JointKind jointKindOf(int partType) {
  return static_cast<JointKind>(partType);
}

// Kinds 2 to 9 and 13: the single-valued joints of the Joint slider.
bool isValuedJointKind(JointKind kind);

// How a kind shows a value:
//
//   kind   box text      slider range     slider position
//   2      value x 180   limits x 100     value x 100
//   10     value         whole turn       value
//   13     value         limits           value
//   other  value         limits x 100     value x 100
struct KindScale {
  float boxFactor;     // the box shows value x boxFactor
  float sliderFactor;  // the slider counts value x sliderFactor
  bool wholeTurn;      // the slider's range is a whole turn either way, not the limits
};

const KindScale& scaleOf(JointKind kind);

// The panel's kind at each message: the active shape's partType when the host
// calls it a part (shapeType), else none; none without a scene.
JointKind panelJointKind(Scene* scene);

// The refresh's kind: the active shape's partType when isPart holds, else none.
JointKind refreshJointKind(Scene& scene);

}  // namespace jolvent
