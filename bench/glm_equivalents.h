// glm's nearest equivalents of the rotation math, each behind a call of its
// own like ours, so that none is inlined into the measuring loop.
#pragma once

#include <glm/glm.hpp>
#include <glm/gtc/quaternion.hpp>

namespace jolvent::bench::glm_equivalents {

struct Decomposition {
  glm::vec3 scale;
  glm::vec3 skew;
  glm::vec3 angles;
  glm::vec3 translation;
  glm::vec4 perspective;
};

glm::quat quatNormalize(const glm::quat& q);
glm::quat quatMultiply(const glm::quat& a, const glm::quat& b);
glm::mat4 quatToMatrix(const glm::quat& q);
glm::mat4 axisAngleMatrix(const glm::vec3& axis, float radians);
glm::mat4 matrixInverse(const glm::mat4& m);
Decomposition decomposeMatrix(const glm::mat4& m);
glm::vec3 quatToEulerDegrees(const glm::quat& q);
glm::quat matrixToQuat(const glm::mat4& m);
glm::quat applyAxisDelta(const glm::quat& rotation, const glm::vec3& axis,
                         float newDegrees, float appliedDegrees);

}  // namespace jolvent::bench::glm_equivalents
