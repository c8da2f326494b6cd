#include "bench/inputs.h"

#include <cmath>
#include <cstdint>
#include <random>

namespace jolvent::bench {

namespace {

constexpr Vec3 kSliderAxes[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};

class Draws {
public:
  float uniform(float low, float high) {
    return low + (high - low) * static_cast<float>(engine_() >> 8) * 0x1p-24F;
  }

  std::uint32_t below(std::uint32_t n) { return engine_() % n; }

  Quaternion quaternion() {
    for (;;) {
      const Quaternion q{uniform(-1, 1), uniform(-1, 1), uniform(-1, 1), uniform(-1, 1)};
      const float length = std::sqrt(q.w * q.w + q.x * q.x + q.y * q.y + q.z * q.z);
      if (length < 0.25F || length > 1.0F) continue;
      const float factor = uniform(0.5F, 2.0F) / length;
      return {q.w * factor, q.x * factor, q.y * factor, q.z * factor};
    }
  }

private:
  std::mt19937 engine_{20240611U};
};

}  // namespace

Inputs makeInputs() {
  Inputs inputs;
  Draws draws;
  for (std::size_t i = 0; i < kInputCount; ++i) {
    inputs.rotations.push_back(draws.quaternion());
    inputs.others.push_back(draws.quaternion());
    const Quaternion direction = draws.quaternion();
    inputs.axes.push_back({direction.x, direction.y, direction.z});
    const float radians = draws.uniform(-3.14159265F, 3.14159265F);
    inputs.radians.push_back(radians);
    inputs.cosines.push_back(std::cos(radians));
    inputs.sines.push_back(std::sin(radians));

    const Matrix4 rotation = quatToMatrix(draws.quaternion());
    inputs.rotationMatrices.push_back(rotation);
    Matrix4 m = rotation;
    for (int row = 0; row < 3; ++row) {
      const float scale = draws.uniform(0.5F, 2.0F);
      for (int column = 0; column < 3; ++column) m.at(row, column) *= scale;
      m.at(3, row) = draws.uniform(-100, 100);
    }
    inputs.affine.push_back(m);

    inputs.sliderAxes.push_back(&kSliderAxes[draws.below(3)]);
    inputs.newDegrees.push_back(draws.uniform(-180, 180));
    inputs.appliedDegrees.push_back(draws.uniform(-180, 180));
  }
  return inputs;
}

}  // namespace jolvent::bench
