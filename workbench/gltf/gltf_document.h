// The workbench's document: the stand-in host's scene as a glTF 2.0 file.
//
// Every shape under the root becomes a node, in its place in the tree, with
// what glTF has no word for (joint kind, limits, streams) under
// extras.jolvent. Ball joints carry their rotation as the node's rotation;
// lines become meshes of one LINES primitive, coloured by their material.
// Motion keys become one animation: a LINEAR rotation channel per shape with
// keys, at kFramesPerSecond (a key's position is a frame number), with the
// exact positions and joint values in the animation's extras.
#pragma once

#include <string>
#include <vector>

#include "math/quaternion.h"
#include "standin_host/scene.h"

namespace jolvent::workbench {

// Key positions are frames; glTF's key times are seconds at this rate.
inline constexpr float kFramesPerSecond = 30.0F;

struct OpenResult {
  std::string error;
  // What the file holds that the scene cannot (other meshes, cameras, ...).
  std::vector<std::string> warnings;
  bool ok() const { return error.empty(); }
};

// Writes every shape of the scene (not the root) as .gltf (JSON, the buffer
// in a .bin beside it) or .glb, by the path's extension. Each file is written
// beside its target under a temporary name and then put in its place, so a
// failed save leaves what was there. Returns "" or an error naming the file.
std::string saveGltf(const standin::StandInScene& scene, const std::string& path);

// Reads the file into the scene, which must hold only its root. On any error
// the scene is left as it was and the error names the file and the fault.
OpenResult openGltf(standin::StandInScene& scene, const std::string& path);

// glTF's rotation (x, y, z, w), on column vectors, of the same turn as q.
struct GltfRotation {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
  double w = 1.0;
};
GltfRotation toGltfRotation(const Quaternion& q);
Quaternion fromGltfRotation(const GltfRotation& r);

}  // namespace jolvent::workbench
