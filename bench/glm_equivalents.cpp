#include "bench/glm_equivalents.h"

#define GLM_ENABLE_EXPERIMENTAL
#include <glm/gtc/matrix_inverse.hpp>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtx/matrix_decompose.hpp>

namespace jolvent::bench::glm_equivalents {

glm::quat quatNormalize(const glm::quat& q) {
  return glm::normalize(q);
}

glm::quat quatMultiply(const glm::quat& a, const glm::quat& b) {
  return a * b;
}

glm::mat4 quatToMatrix(const glm::quat& q) {
  return glm::mat4_cast(q);
}

glm::mat4 axisAngleMatrix(const glm::vec3& axis, float radians) {
  return glm::rotate(glm::mat4(1.0F), radians, axis);
}

glm::mat4 matrixInverse(const glm::mat4& m) {
  return glm::affineInverse(m);
}

// glm gives the rotation as a quaternion; its angles make the result ours.
Decomposition decomposeMatrix(const glm::mat4& m) {
  Decomposition result;
  glm::quat orientation;
  glm::decompose(m, result.scale, orientation, result.translation, result.skew,
                 result.perspective);
  result.angles = glm::eulerAngles(orientation);
  return result;
}

glm::vec3 quatToEulerDegrees(const glm::quat& q) {
  return glm::degrees(glm::eulerAngles(q));
}

glm::quat matrixToQuat(const glm::mat4& m) {
  return glm::quat_cast(m);
}

glm::quat applyAxisDelta(const glm::quat& rotation, const glm::vec3& axis,
                         float newDegrees, float appliedDegrees) {
  return glm::normalize(glm::angleAxis(glm::radians(newDegrees - appliedDegrees), axis) *
                        rotation);
}

}  // namespace jolvent::bench::glm_equivalents
