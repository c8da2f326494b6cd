// Opening, second half: the file checked and loaded, its plan made, and only
// then the scene built from it.
#include "workbench/gltf/gltf_document.h"

#include <cstdint>
#include <cstring>
#include <exception>
#include <limits>

#include "standin_host/shape.h"
#include "workbench/gltf/gltf_internal.h"
#include "workbench/gltf/gltf_plan.h"

namespace jolvent::workbench {

namespace {

using gltf::fsPath;
using gltf::lowerExtension;
using gltf::makeLoader;
using gltf::PlannedKind;
using gltf::PlannedShape;
using gltf::readFile;
using gltf::utf8Of;
using standin::Shape;
using standin::StandInScene;

void build(StandInScene& scene, const std::vector<PlannedShape>& plan) {
  std::vector<Shape*> made;
  for (const PlannedShape& p : plan) {
    Shape* parent = p.parent < 0 ? nullptr : made[static_cast<std::size_t>(p.parent)];
    Shape* shape = nullptr;
    switch (p.kind) {
      case PlannedKind::part:
        shape = &scene.addPart(p.name, parent);
        break;
      case PlannedKind::ballJoint:
        shape = &scene.addBallJoint(p.name, parent, p.centre, p.rotation);
        shape->setDefaultRotation(p.defaultRotation)
            .setPartType(p.partType)
            .setRotatorJoint(p.rotator);
        break;
      case PlannedKind::valuedJoint:
        shape = &scene.addValuedJoint(p.name, p.partType, p.value, p.minimum, p.maximum,
                                      p.defaultValue, parent);
        break;
      case PlannedKind::line:
        shape = &scene.addLine(p.name, p.points, parent);
        if (p.colour) shape->setColour(*p.colour);
        break;
    }
    for (const auto& [key, bytes] : p.streams) shape->putStream(key, bytes);
    shape->motion() = p.motion;
    made.push_back(shape);
  }
}

std::string binaryHeaderProblem(const std::vector<unsigned char>& bytes) {
  if (bytes.size() < 12 || std::memcmp(bytes.data(), "glTF", 4) != 0) {
    return "not a binary glTF file (no glTF header)";
  }
  const auto word = [&](std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value |= std::uint32_t{bytes[at + i]} << (8 * i);
    return value;
  };
  if (word(4) != 2) return "binary glTF version " + std::to_string(word(4)) + " is not 2";
  if (word(8) != bytes.size()) {
    return "the header gives a length of " + std::to_string(word(8)) +
           " bytes, the file has " + std::to_string(bytes.size());
  }
  return {};
}

std::string firstLines(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  for (char& c : text) {
    if (c == '\n') c = ';';
  }
  return text;
}

}  // namespace

OpenResult openGltf(StandInScene& scene, const std::string& path) {
  OpenResult result;
  const auto failed = [&](const std::string& what) {
    result.error = path + ": " + what;
    return result;
  };
  if (!scene.shapesInOrder().empty())
    return failed("the scene to open into is not empty");

  std::vector<unsigned char> bytes;
  const std::string reason = readFile(fsPath(path), bytes);
  if (!reason.empty()) return failed("cannot be read (" + reason + ")");
  if (bytes.empty()) return failed("the file is empty");
  if (bytes.size() > std::numeric_limits<unsigned int>::max()) {
    return failed("the file is too large");
  }

  std::vector<PlannedShape> plan;
  try {
    std::string parent = utf8Of(fsPath(path).parent_path());
    if (parent.empty()) parent = ".";
    const bool binary = lowerExtension(path) == ".glb" ||
                        (bytes.size() >= 4 && std::memcmp(bytes.data(), "glTF", 4) == 0);
    if (binary) {
      // The reader takes the header's version and length on trust.
      const std::string header = binaryHeaderProblem(bytes);
      if (!header.empty()) return failed(header);
    }
    tinygltf::Model model;
    std::string error;
    std::string warning;
    tinygltf::TinyGLTF loader = makeLoader();
    const auto length = static_cast<unsigned int>(bytes.size());
    const bool loaded =
        binary ? loader.LoadBinaryFromMemory(&model, &error, &warning, bytes.data(),
                                             length, parent)
               : loader.LoadASCIIFromString(&model, &error, &warning,
                                            reinterpret_cast<const char*>(bytes.data()),
                                            length, parent);
    if (!loaded) {
      return failed(error.empty() ? "not a glTF document" : firstLines(error));
    }
    if (!warning.empty()) result.warnings.push_back(firstLines(warning));
    plan = gltf::planShapes(model, error, result.warnings);
    if (!error.empty()) {
      result.warnings.clear();
      return failed(error);
    }
  } catch (const std::exception& e) {
    result.warnings.clear();
    return failed(e.what());
  }
  build(scene, plan);
  return result;
}

}  // namespace jolvent::workbench
