// Opening, first half: the model read into a plan of shapes, with what it
// holds that the scene cannot named in warnings.
#include "workbench/gltf/gltf_plan.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <set>

#include "host/uuid_record.h"
#include "workbench/gltf/gltf_document.h"
#include "workbench/gltf/gltf_internal.h"

namespace jolvent::workbench::gltf {

namespace {

using standin::MotionKey;

class Reader {
public:
  Reader(const tinygltf::Model& model, std::string& error,
         std::vector<std::string>& warnings)
      : model_(model), error_(error), warnings_(warnings) {}

  std::vector<PlannedShape> plan() {
    checkWholeFile();
    if (!error_.empty()) return {};
    std::vector<int> roots = sceneRoots();
    if (!error_.empty()) return {};
    for (int root : roots) visit(root, -1);
    if (!error_.empty()) return {};
    for (std::size_t i = 0; i < model_.nodes.size(); ++i) {
      if (planOf_.count(static_cast<int>(i)) == 0) {
        warn(nodeName(static_cast<int>(i)) + " is in no scene that is opened");
      }
    }
    readAnimations();
    if (!error_.empty()) return {};
    return std::move(plan_);
  }

private:
  std::string nodeName(int index) const {
    const std::string& name = model_.nodes[static_cast<std::size_t>(index)].name;
    return "node " + std::to_string(index) + (name.empty() ? "" : " '" + name + "'");
  }

  void warn(const std::string& text) { warnings_.push_back(text); }
  void fail(const std::string& text) {
    if (error_.empty()) error_ = text;
  }

  bool validNode(int index) const {
    return index >= 0 && static_cast<std::size_t>(index) < model_.nodes.size();
  }

  void checkWholeFile() {
    for (const std::string& extension : model_.extensionsUsed) {
      warn("extension " + extension + " is not represented");
    }
    if (!model_.cameras.empty()) {
      warn(std::to_string(model_.cameras.size()) + " camera(s) not represented");
    }
    if (!model_.images.empty() || !model_.textures.empty()) {
      warn("textures and images are not represented");
    }
    for (std::size_t s = 0; s < model_.skins.size(); ++s) {
      for (int joint : model_.skins[s].joints) {
        if (!validNode(joint)) {
          return fail("skin " + std::to_string(s) + " names a node that does not exist");
        }
        skinJoints_.insert(joint);
      }
      warn("skin " + std::to_string(s) +
           ": its joints become ball joints; the binding to meshes is not represented");
    }
    for (std::size_t m = 0; m < model_.materials.size(); ++m) {
      const tinygltf::Material& material = model_.materials[m];
      const auto& pbr = material.pbrMetallicRoughness;
      const bool onlyColour =
          pbr.baseColorTexture.index < 0 && pbr.metallicRoughnessTexture.index < 0 &&
          material.normalTexture.index < 0 && material.occlusionTexture.index < 0 &&
          material.emissiveTexture.index < 0 && pbr.metallicFactor == 1.0 &&
          pbr.roughnessFactor == 1.0 &&
          std::all_of(material.emissiveFactor.begin(), material.emissiveFactor.end(),
                      [](double f) { return f == 0.0; });
      if (!onlyColour) {
        warn("material " + std::to_string(m) +
             (material.name.empty() ? "" : " '" + material.name + "'") +
             ": only its colour is represented");
      }
    }
  }

  std::vector<int> sceneRoots() {
    std::vector<int> roots;
    if (model_.scenes.empty()) {
      std::set<int> children;
      for (const auto& node : model_.nodes)
        children.insert(node.children.begin(), node.children.end());
      for (std::size_t i = 0; i < model_.nodes.size(); ++i) {
        if (children.count(static_cast<int>(i)) == 0)
          roots.push_back(static_cast<int>(i));
      }
      return roots;
    }
    int chosen = model_.defaultScene;
    if (chosen < 0) chosen = 0;
    if (static_cast<std::size_t>(chosen) >= model_.scenes.size()) {
      fail("the default scene " + std::to_string(chosen) + " does not exist");
      return {};
    }
    if (model_.scenes.size() > 1) {
      warn("only scene " + std::to_string(chosen) + " of " +
           std::to_string(model_.scenes.size()) + " is opened");
    }
    return model_.scenes[static_cast<std::size_t>(chosen)].nodes;
  }

  // The floats of an accessor, components per element; "" or what is wrong.
  std::string readFloats(int index, int components, std::vector<float>& out) const {
    const std::string name = "accessor " + std::to_string(index);
    if (index < 0 || static_cast<std::size_t>(index) >= model_.accessors.size()) {
      return name + " does not exist";
    }
    const tinygltf::Accessor& accessor =
        model_.accessors[static_cast<std::size_t>(index)];
    if (accessor.sparse.isSparse) return name + " is sparse, which is not read";
    if (accessor.componentType != TINYGLTF_COMPONENT_TYPE_FLOAT) {
      return name + " does not hold floats";
    }
    if (tinygltf::GetNumComponentsInType(static_cast<std::uint32_t>(accessor.type)) !=
        components) {
      return name + " does not hold " + std::to_string(components) +
             " components per element";
    }
    const std::size_t width = static_cast<std::size_t>(components) * sizeof(float);
    out.assign(accessor.count * static_cast<std::size_t>(components), 0.0F);
    if (accessor.count == 0 || accessor.bufferView < 0) return {};
    if (static_cast<std::size_t>(accessor.bufferView) >= model_.bufferViews.size()) {
      return name + ": its buffer view does not exist";
    }
    const auto& view = model_.bufferViews[static_cast<std::size_t>(accessor.bufferView)];
    if (view.buffer < 0 ||
        static_cast<std::size_t>(view.buffer) >= model_.buffers.size()) {
      return name + ": its buffer does not exist";
    }
    const auto& data = model_.buffers[static_cast<std::size_t>(view.buffer)].data;
    const std::size_t stride = view.byteStride != 0 ? view.byteStride : width;
    const std::uint64_t viewEnd =
        static_cast<std::uint64_t>(view.byteOffset) + view.byteLength;
    const std::uint64_t needed =
        static_cast<std::uint64_t>(accessor.byteOffset) +
        static_cast<std::uint64_t>(stride) * (accessor.count - 1) + width;
    if (stride < width || viewEnd > data.size() || needed > view.byteLength ||
        accessor.count > data.size()) {
      return name + " reaches beyond its buffer";
    }
    const unsigned char* first = data.data() + view.byteOffset + accessor.byteOffset;
    for (std::size_t i = 0; i < accessor.count; ++i) {
      std::memcpy(&out[i * static_cast<std::size_t>(components)], first + i * stride,
                  width);
    }
    return {};
  }

  void visit(int index, int parentPlan) {
    if (!error_.empty()) return;
    if (!validNode(index)) {
      return fail("node " + std::to_string(index) + " is referred to but does not exist");
    }
    if (planOf_.count(index) != 0) {
      return fail(nodeName(index) + " is reached twice in the node tree");
    }
    const int planIndex = static_cast<int>(plan_.size());
    planOf_[index] = planIndex;
    plan_.push_back(planShape(index, parentPlan));
    if (!error_.empty()) return;
    const auto& node = model_.nodes[static_cast<std::size_t>(index)];
    if (!node.children.empty() &&
        plan_[static_cast<std::size_t>(planIndex)].kind == PlannedKind::line) {
      return fail(nodeName(index) + " is a line but has children");
    }
    for (int child : node.children) visit(child, planIndex);
  }

  std::optional<Quaternion> nodeRotation(const tinygltf::Node& node) const {
    if (node.rotation.size() != 4) return std::nullopt;
    return fromGltfRotation(
        {node.rotation[0], node.rotation[1], node.rotation[2], node.rotation[3]});
  }

  PlannedShape planShape(int index, int parentPlan) {
    const auto& node = model_.nodes[static_cast<std::size_t>(index)];
    PlannedShape shape;
    shape.name = node.name.empty() ? "node" + std::to_string(index) : node.name;
    shape.parent = parentPlan;
    if (node.camera >= 0) warn(nodeName(index) + ": its camera is not represented");
    if (!node.weights.empty())
      warn(nodeName(index) + ": morph weights are not represented");
    if (const Value* extras = jolventExtras(node.extras)) {
      shape.ours = true;
      planOwn(index, node, *extras, shape);
    } else {
      planForeign(index, node, shape);
    }
    return shape;
  }

  void planOwn(int index, const tinygltf::Node& node, const Value& extras,
               PlannedShape& shape) {
    ExtrasReader read(extras, nodeName(index) + ": extras." + kExtrasKey, error_);
    if (!extras.IsObject()) return read.fail("is not an object");
    const std::string kind = read.text("kind");
    if (kind == "ballJoint") {
      shape.kind = PlannedKind::ballJoint;
      shape.rotation = nodeRotation(node).value_or(Quaternion{});
      const auto d = read.numberArray("defaultRotation", 4);
      if (d.size() == 4)
        shape.defaultRotation = fromGltfRotation({d[0], d[1], d[2], d[3]});
      const auto c = read.numberArray("centre", 3);
      if (c.size() == 3) {
        shape.centre = {static_cast<float>(c[0]), static_cast<float>(c[1]),
                        static_cast<float>(c[2])};
      }
      shape.partType = read.integer("partType", standin::kBallJointPartType);
      shape.rotator = read.boolean("rotator", false);
    } else if (kind == "valuedJoint") {
      shape.kind = PlannedKind::valuedJoint;
      shape.value = read.number("value");
      shape.defaultValue = read.number("default");
      shape.minimum = read.number("minimum");
      shape.maximum = read.number("maximum");
      shape.partType = read.integer("partType", 0);
    } else if (kind == "line") {
      shape.kind = PlannedKind::line;
      if (node.mesh >= 0) readLine(index, node, shape, true);
    } else if (kind == "part") {
      shape.kind = PlannedKind::part;
    } else if (error_.empty()) {
      return read.fail("kind '" + kind + "' is not known");
    }
    if (kind != "line" && node.mesh >= 0) {
      warn(nodeName(index) + ": its mesh is not represented");
    }

    if (const Value* streams = read.member("streams", false)) {
      if (!streams->IsObject()) return read.fail("streams is not an object");
      for (const std::string& key : streams->Keys()) {
        const Value& text = streams->Get(key);
        if (!isUuidText(key)) return read.fail("stream key '" + key + "' is not a UUID");
        if (!text.IsString() || !isBase64(text.Get<std::string>())) {
          return read.fail("stream " + key + " is not base64");
        }
        const std::string bytes = base64Decode(text.Get<std::string>());
        shape.streams.emplace_back(parseUuidText(key.c_str()),
                                   std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
      }
    }
    if (const Value* motion = read.member("motion", false)) {
      ExtrasReader motionRead(*motion, nodeName(index) + ": extras.jolvent.motion",
                              error_);
      shape.motion.setPresent(true);
      shape.motion.setEnabled(motionRead.boolean("enabled", true));
    }
  }

  void planForeign(int index, const tinygltf::Node& node, PlannedShape& shape) {
    const bool joint = skinJoints_.count(index) != 0;
    if (!node.matrix.empty()) {
      warn(nodeName(index) + ": its matrix is not represented");
    }
    if (!node.translation.empty()) {
      warn(nodeName(index) + ": its translation is not represented");
    }
    if (!node.scale.empty()) warn(nodeName(index) + ": its scale is not represented");
    if (joint) {
      shape.kind = PlannedKind::ballJoint;
      shape.partType = standin::kBallJointPartType;
      shape.rotation = nodeRotation(node).value_or(Quaternion{});
      shape.defaultRotation = shape.rotation;
    } else if (node.rotation.size() == 4) {
      warn(nodeName(index) + ": the rotation of a part is not represented");
    }
    if (node.mesh < 0) return;
    if (node.mesh >= static_cast<int>(model_.meshes.size())) {
      return fail(nodeName(index) + ": its mesh does not exist");
    }
    const auto& mesh = model_.meshes[static_cast<std::size_t>(node.mesh)];
    const bool lines = !mesh.primitives.empty() &&
                       std::all_of(mesh.primitives.begin(), mesh.primitives.end(),
                                   [](const tinygltf::Primitive& p) {
                                     return p.mode == TINYGLTF_MODE_LINE;
                                   });
    if (lines && !joint && node.children.empty()) {
      shape.kind = PlannedKind::line;
      readLine(index, node, shape, false);
    } else {
      warn(nodeName(index) + ": mesh " + std::to_string(node.mesh) +
           (mesh.name.empty() ? "" : " '" + mesh.name + "'") +
           (lines ? " cannot be a line here" : " is not lines") + "; not represented");
    }
  }

  void readLine(int index, const tinygltf::Node& node, PlannedShape& shape, bool ours) {
    if (node.mesh >= static_cast<int>(model_.meshes.size())) {
      return fail(nodeName(index) + ": its mesh does not exist");
    }
    const auto& mesh = model_.meshes[static_cast<std::size_t>(node.mesh)];
    for (const tinygltf::Primitive& primitive : mesh.primitives) {
      const auto position = primitive.attributes.find("POSITION");
      if (position == primitive.attributes.end()) {
        warn(nodeName(index) + ": a line primitive without positions is skipped");
        continue;
      }
      std::vector<float> values;
      const std::string problem = readFloats(position->second, 3, values);
      if (!problem.empty()) {
        if (ours) return fail(nodeName(index) + ": " + problem);
        warn(nodeName(index) + ": " + problem + "; its points are not read");
        continue;
      }
      for (std::size_t i = 0; i + 2 < values.size(); i += 3) {
        shape.points.push_back({values[i], values[i + 1], values[i + 2]});
      }
      if (primitive.material >= 0 &&
          static_cast<std::size_t>(primitive.material) < model_.materials.size() &&
          !shape.colour) {
        const auto& factor =
            model_.materials[static_cast<std::size_t>(primitive.material)]
                .pbrMetallicRoughness.baseColorFactor;
        if (factor.size() >= 3) {
          shape.colour =
              standin::Rgb{static_cast<float>(factor[0]), static_cast<float>(factor[1]),
                           static_cast<float>(factor[2])};
        }
      }
    }
  }

  void readAnimations() {
    for (std::size_t a = 0; a < model_.animations.size(); ++a) {
      const auto& animation = model_.animations[a];
      const std::string where = "animation " + std::to_string(a);
      // Exact key positions and values of our own files, by node.
      std::map<int, std::pair<std::vector<double>, std::vector<double>>> exact;
      if (const Value* extras = jolventExtras(animation.extras)) {
        ExtrasReader read(*extras, where + ": extras.jolvent", error_);
        const Value* keys = read.member("keys", true);
        if (keys != nullptr && !keys->IsArray()) read.fail("keys is not an array");
        for (std::size_t k = 0; keys != nullptr && k < keys->ArrayLen(); ++k) {
          ExtrasReader track(keys->Get(static_cast<int>(k)),
                             where + ": extras.jolvent.keys[" + std::to_string(k) + "]",
                             error_);
          const int node = track.integer("node", -1);
          exact[node] = {track.numberArray("positions", std::nullopt),
                         track.numberArray("values", std::nullopt)};
        }
        if (!error_.empty()) return;
      }
      for (std::size_t c = 0; c < animation.channels.size(); ++c) {
        readChannel(animation, where + " channel " + std::to_string(c),
                    animation.channels[c], exact);
        if (!error_.empty()) return;
      }
    }
  }

  void readChannel(
      const tinygltf::Animation& animation, const std::string& where,
      const tinygltf::AnimationChannel& channel,
      const std::map<int, std::pair<std::vector<double>, std::vector<double>>>& exact) {
    if (channel.target_node < 0) return;
    const auto planned = planOf_.find(channel.target_node);
    if (planned == planOf_.end()) return;  // not opened; already named
    PlannedShape& shape = plan_[static_cast<std::size_t>(planned->second)];
    if (channel.target_path != "rotation") {
      return warn(where + ": " + channel.target_path + " keys are not represented");
    }
    if (channel.sampler < 0 ||
        static_cast<std::size_t>(channel.sampler) >= animation.samplers.size()) {
      return fail(where + ": its sampler does not exist");
    }
    const auto& sampler = animation.samplers[static_cast<std::size_t>(channel.sampler)];
    std::vector<float> times;
    std::vector<float> rotations;
    std::string problem = readFloats(sampler.input, 1, times);
    if (problem.empty()) problem = readFloats(sampler.output, 4, rotations);
    if (!problem.empty()) {
      if (shape.ours) return fail(where + ": " + problem);
      return warn(where + ": " + problem + "; its keys are not read");
    }
    // Cubic splines hold an in-tangent, the value and an out-tangent per key.
    const bool cubic = sampler.interpolation == "CUBICSPLINE";
    const std::size_t perKey = cubic ? 3 : 1;
    if (rotations.size() != times.size() * 4 * perKey) {
      return fail(where + ": it has " + std::to_string(times.size()) + " times but " +
                  std::to_string(rotations.size() / 4) + " rotations");
    }
    if (sampler.interpolation != "LINEAR") {
      warn(where + ": " + sampler.interpolation + " interpolation becomes linear");
    }
    const auto own = exact.find(channel.target_node);
    if (own != exact.end() && (own->second.first.size() != times.size() ||
                               own->second.second.size() != times.size())) {
      return fail(where + ": its exact positions or values do not match its keys");
    }
    shape.motion.setPresent(true);
    for (std::size_t k = 0; k < times.size(); ++k) {
      const float* r = &rotations[(k * perKey + (cubic ? 1 : 0)) * 4];
      MotionKey key;
      key.position = times[k] * kFramesPerSecond;
      key.rotation = fromGltfRotation({r[0], r[1], r[2], r[3]});
      if (own != exact.end()) {
        key.position = static_cast<float>(own->second.first[k]);
        key.value = static_cast<float>(own->second.second[k]);
      }
      shape.motion.insertKey(key);
    }
  }

  const tinygltf::Model& model_;
  std::string& error_;
  std::vector<std::string>& warnings_;
  std::set<int> skinJoints_;
  std::map<int, int> planOf_;  // node index to plan index
  std::vector<PlannedShape> plan_;
};

}  // namespace

std::vector<PlannedShape> planShapes(const tinygltf::Model& model, std::string& error,
                                     std::vector<std::string>& warnings) {
  return Reader(model, error, warnings).plan();
}

}  // namespace jolvent::workbench::gltf
