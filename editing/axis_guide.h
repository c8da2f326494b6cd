// The temporary guide at the edited ball joint: a part with three coloured
// axis lines, found again by its name alone.
#pragma once

#include "host/fwd.h"

namespace jolvent {

inline constexpr const char* kGuidePartName = "#Jolvent_Guide";
inline constexpr const char* kYawLineName = "G_Yaw";
inline constexpr const char* kPitchLineName = "R_Pitch";
inline constexpr const char* kRollLineName = "B_Roll";

// The guide's axis length is this many times the scene's guide scale.
inline constexpr float kGuideLengthPerScale = 100.0F;

// Builds the guide at the joint named by ballJointHandle; nothing without a
// live joint.
void buildAxisGuide(Scene& scene);

// Deletes the first shape named like the guide, if there is one, with
// removingGuide raised meanwhile.
void removeAxisGuide(Scene& scene);

}  // namespace jolvent
