// The scene the document tests save: parts, nested ball joints with a
// settings stream and keys, a valued joint with keys, lines with and without
// colour.
#pragma once

#include "math/quaternion.h"
#include "math/vec3.h"
#include "standin_host/scene.h"

namespace jolvent::workbench::sample {

inline constexpr Vec3 kAxisX{1, 0, 0};
inline constexpr Vec3 kAxisY{0, 1, 0};
inline constexpr Vec3 kAxisZ{0, 0, 1};

// from turned by degrees about axis, as a slider turns a joint.
Quaternion turned(const Vec3& axis, float degrees, const Quaternion& from = {});

void buildSample(standin::StandInScene& scene);

}  // namespace jolvent::workbench::sample
