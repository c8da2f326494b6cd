// Seeded inputs for the benchmark, the same on every run: rotations as the
// callers hold them, affine matrices, axes and slider angles.
#pragma once

#include <cstddef>
#include <vector>

#include "math/matrix4.h"
#include "math/quaternion.h"
#include "math/vec3.h"

namespace jolvent::bench {

// A power of two, so that the loops wrap with a mask; small enough to stay
// in the first two cache levels.
inline constexpr std::size_t kInputCount = 512;

struct Inputs {
  std::vector<Quaternion> rotations;  // of lengths 0.5 to 2
  std::vector<Quaternion> others;     // second factors of products
  std::vector<Vec3> axes;             // of lengths 0.5 to 2
  std::vector<float> radians;         // -pi to pi
  std::vector<float> cosines;         // of radians
  std::vector<float> sines;
  std::vector<Matrix4> affine;  // rotation, scale and translation
  std::vector<Matrix4> rotationMatrices;
  std::vector<const Vec3*> sliderAxes;  // X, Y or Z, as the sliders pass them
  std::vector<float> newDegrees;
  std::vector<float> appliedDegrees;
};

Inputs makeInputs();

}  // namespace jolvent::bench
