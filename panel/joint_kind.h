// The joint kind: how the Joint slider and its box show a joint's value.
#pragma once

#include "host/fwd.h"

namespace jolvent {

// The kind of the ball-joint angles; the three angle sliders always use it.
inline constexpr int kAngleKind = 10;
// Not a part, or no scene.
inline constexpr int kNoJointKind = -1;
// Shown times 180 in its box.
inline constexpr int kRotatorKind = 2;
// Its slider moves in whole joint units rather than hundredths.
inline constexpr int kWholeUnitKind = 13;

// Kinds 2 to 9 and 13: the single-valued joints of the Joint slider.
bool isValuedJointKind(int kind);

// The panel's kind at each message: the active shape's partType when the host
// calls it a part (shapeType), else kNoJointKind; kNoJointKind without a scene.
int panelJointKind(Scene* scene);

// The refresh's kind: the active shape's partType when isPart holds, else
// kNoJointKind.
int refreshJointKind(Scene& scene);

}  // namespace jolvent
