// glTF's rotations against the plug-in's.
#include "workbench/gltf/gltf_document.h"

namespace jolvent::workbench {

GltfRotation toGltfRotation(const Quaternion& q) {
  // The plug-in's rotation by t about u is (cos t/2, -sin t/2 u) on row
  // vectors; glTF's is (sin t/2 u, cos t/2) on column vectors: the vector
  // part changes sign. Negation is exact, so a round trip is bit-exact.
  return {-static_cast<double>(q.x), -static_cast<double>(q.y), -static_cast<double>(q.z),
          static_cast<double>(q.w)};
}

Quaternion fromGltfRotation(const GltfRotation& r) {
  return {static_cast<float>(r.w), static_cast<float>(-r.x), static_cast<float>(-r.y),
          static_cast<float>(-r.z)};
}

}  // namespace jolvent::workbench
