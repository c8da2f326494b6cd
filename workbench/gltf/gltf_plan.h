// Opening, first half: what a document will make of the scene, worked out in
// full before the scene is touched. Private to the library.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "host/uuid_record.h"
#include "math/quaternion.h"
#include "standin_host/motion.h"
#include "standin_host/shape.h"
#include "workbench/gltf/tinygltf_setup.h"

namespace jolvent::workbench::gltf {

enum class PlannedKind { part, ballJoint, valuedJoint, line };

// One shape to be made, worked out in full before the scene is touched.
struct PlannedShape {
  std::string name;
  int parent = -1;  // index into the plan, -1 for the root
  PlannedKind kind = PlannedKind::part;
  int partType = standin::kPlainPartType;
  Quaternion rotation;
  Quaternion defaultRotation;
  Vec3 centre;
  bool rotator = false;
  float value = 0.0F;
  float defaultValue = 0.0F;
  float minimum = 0.0F;
  float maximum = 0.0F;
  std::vector<Vec3> points;
  std::optional<standin::Rgb> colour;
  std::vector<std::pair<UuidRecord, std::vector<std::uint8_t>>> streams;
  standin::MotionTrack motion;
  bool ours = false;
};

// The shapes the model makes, parents before children; empty with error set
// when the model cannot be opened. What the scene cannot hold is warned of.
std::vector<PlannedShape> planShapes(const tinygltf::Model& model, std::string& error,
                                     std::vector<std::string>& warnings);

}  // namespace jolvent::workbench::gltf
