// Saving: the scene's shapes become nodes, its lines meshes and its keys one
// animation, in a model tinygltf encodes.
#include "workbench/gltf/gltf_document.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <limits>
#include <map>
#include <sstream>
#include <utility>

#include <nlohmann/json.hpp>

#include "host/uuid_record.h"
#include "standin_host/shape.h"
#include "standin_host/streams.h"
#include "workbench/gltf/gltf_internal.h"

namespace jolvent::workbench {

namespace {

using gltf::base64Encode;
using gltf::fsPath;
using gltf::gltfQuaternion;
using gltf::kExtrasKey;
using gltf::kGenerator;
using gltf::lowerExtension;
using gltf::number;
using gltf::numbers;
using gltf::utf8Of;
using gltf::Value;
using gltf::writeReplacing;
using standin::MotionKey;
using standin::Shape;
using standin::StandInScene;

class ModelWriter {
public:
  explicit ModelWriter(tinygltf::Model& model) : model_(model) {}

  int addView(const void* data, std::size_t size, int target) {
    while (bytes_.size() % 4 != 0) bytes_.push_back(0);
    tinygltf::BufferView view;
    view.buffer = 0;
    view.byteOffset = bytes_.size();
    view.byteLength = size;
    view.target = target;
    const auto* first = static_cast<const unsigned char*>(data);
    bytes_.insert(bytes_.end(), first, first + size);
    model_.bufferViews.push_back(view);
    return static_cast<int>(model_.bufferViews.size() - 1);
  }

  // A float accessor of components per element, with its bounds.
  int addFloats(const std::vector<float>& values, int type, int components, int target) {
    tinygltf::Accessor accessor;
    accessor.bufferView = addView(values.data(), values.size() * sizeof(float), target);
    accessor.componentType = TINYGLTF_COMPONENT_TYPE_FLOAT;
    accessor.type = type;
    accessor.count = values.size() / static_cast<std::size_t>(components);
    for (int c = 0; c < components; ++c) {
      float low = std::numeric_limits<float>::infinity();
      float high = -low;
      for (std::size_t i = static_cast<std::size_t>(c); i < values.size();
           i += static_cast<std::size_t>(components)) {
        low = std::min(low, values[i]);
        high = std::max(high, values[i]);
      }
      accessor.minValues.push_back(low);
      accessor.maxValues.push_back(high);
    }
    model_.accessors.push_back(accessor);
    return static_cast<int>(model_.accessors.size() - 1);
  }

  int addIndices(const std::vector<std::uint32_t>& indices) {
    tinygltf::Accessor accessor;
    accessor.bufferView = addView(indices.data(), indices.size() * sizeof(std::uint32_t),
                                  TINYGLTF_TARGET_ELEMENT_ARRAY_BUFFER);
    accessor.componentType = TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT;
    accessor.type = TINYGLTF_TYPE_SCALAR;
    accessor.count = indices.size();
    model_.accessors.push_back(accessor);
    return static_cast<int>(model_.accessors.size() - 1);
  }

  void finish() {
    if (bytes_.empty()) return;
    tinygltf::Buffer buffer;
    buffer.data = std::move(bytes_);
    model_.buffers.push_back(std::move(buffer));
  }

private:
  tinygltf::Model& model_;
  std::vector<unsigned char> bytes_;
};

Value::Object shapeExtras(const Shape& shape) {
  Value::Object extras;
  if (shape.isLine()) {
    extras["kind"] = Value(std::string("line"));
  } else if (shape.isBallJoint()) {
    extras["kind"] = Value(std::string("ballJoint"));
    extras["defaultRotation"] = gltfQuaternion(shape.defaultRotation());
    const Vec3& c = shape.centre();
    extras["centre"] = numbers({c.x, c.y, c.z});
    extras["partType"] = Value(shape.partType());
    extras["rotator"] = Value(shape.isRotatorJoint());
  } else if (shape.partType() != standin::kPlainPartType) {
    extras["kind"] = Value(std::string("valuedJoint"));
    extras["value"] = number(shape.value());
    extras["default"] = number(shape.defaultValue());
    extras["minimum"] = number(shape.minimum());
    extras["maximum"] = number(shape.maximum());
    extras["partType"] = Value(shape.partType());
  } else {
    extras["kind"] = Value(std::string("part"));
  }

  Value::Object streams;
  for (const standin::StreamObject* stream : shape.allStreams()) {
    if (!stream->isAttached()) continue;
    const auto& bytes = stream->bytes();
    streams[std::string(uuidText(stream->key()).view())] =
        Value(base64Encode(bytes.data(), static_cast<unsigned int>(bytes.size())));
  }
  if (!streams.empty()) extras["streams"] = Value(std::move(streams));

  if (shape.motion().present()) {
    Value::Object motion;
    motion["enabled"] = Value(shape.motion().enabled());
    extras["motion"] = Value(std::move(motion));
  }
  return extras;
}

void addLineMesh(ModelWriter& writer, tinygltf::Model& model, tinygltf::Node& node,
                 const Shape& line) {
  if (line.points().empty()) return;
  std::vector<float> positions;
  for (const Vec3& p : line.points()) positions.insert(positions.end(), {p.x, p.y, p.z});
  // The points are a polyline: segment i joins point i and i + 1.
  std::vector<std::uint32_t> indices;
  const auto count = static_cast<std::uint32_t>(line.points().size());
  for (std::uint32_t i = 0; i + 1 < count; ++i) indices.insert(indices.end(), {i, i + 1});
  if (count == 1) indices = {0, 0};

  tinygltf::Primitive primitive;
  primitive.mode = TINYGLTF_MODE_LINE;
  primitive.attributes["POSITION"] =
      writer.addFloats(positions, TINYGLTF_TYPE_VEC3, 3, TINYGLTF_TARGET_ARRAY_BUFFER);
  primitive.indices = writer.addIndices(indices);
  if (const auto& colour = line.colour()) {
    tinygltf::Material material;
    material.name = line.name();
    material.pbrMetallicRoughness.baseColorFactor = {(*colour)[0], (*colour)[1],
                                                     (*colour)[2], 1.0};
    model.materials.push_back(material);
    primitive.material = static_cast<int>(model.materials.size() - 1);
  }
  tinygltf::Mesh mesh;
  mesh.name = line.name();
  mesh.primitives.push_back(primitive);
  model.meshes.push_back(mesh);
  node.mesh = static_cast<int>(model.meshes.size() - 1);
}

void addMotion(ModelWriter& writer, tinygltf::Model& model,
               const std::vector<Shape*>& shapes) {
  tinygltf::Animation animation;
  animation.name = "motion";
  Value::Array keyExtras;
  for (std::size_t index = 0; index < shapes.size(); ++index) {
    const auto& keys = shapes[index]->motion().keys();
    if (keys.empty()) continue;
    std::vector<float> times;
    std::vector<float> rotations;
    Value::Array positions;
    Value::Array values;
    for (const MotionKey& key : keys) {
      times.push_back(key.position / kFramesPerSecond);
      const GltfRotation r = toGltfRotation(key.rotation);
      rotations.insert(rotations.end(),
                       {static_cast<float>(r.x), static_cast<float>(r.y),
                        static_cast<float>(r.z), static_cast<float>(r.w)});
      positions.push_back(number(key.position));
      values.push_back(number(key.value));
    }
    tinygltf::AnimationSampler sampler;
    sampler.input = writer.addFloats(times, TINYGLTF_TYPE_SCALAR, 1, 0);
    sampler.output = writer.addFloats(rotations, TINYGLTF_TYPE_VEC4, 4, 0);
    sampler.interpolation = "LINEAR";
    animation.samplers.push_back(sampler);
    tinygltf::AnimationChannel channel;
    channel.sampler = static_cast<int>(animation.samplers.size() - 1);
    channel.target_node = static_cast<int>(index);
    channel.target_path = "rotation";
    animation.channels.push_back(channel);

    Value::Object track;
    track["node"] = Value(static_cast<int>(index));
    track["positions"] = Value(std::move(positions));
    track["values"] = Value(std::move(values));
    keyExtras.emplace_back(std::move(track));
  }
  if (animation.channels.empty()) return;
  Value::Object extras;
  extras["framesPerSecond"] = number(kFramesPerSecond);
  extras["keys"] = Value(std::move(keyExtras));
  Value::Object outer;
  outer[kExtrasKey] = Value(std::move(extras));
  animation.extras = Value(std::move(outer));
  model.animations.push_back(animation);
}

tinygltf::Model buildModel(const StandInScene& scene) {
  tinygltf::Model model;
  model.asset.version = "2.0";
  model.asset.generator = kGenerator;
  ModelWriter writer(model);

  const std::vector<Shape*> shapes = scene.shapesInOrder();
  std::map<const Shape*, int> indexOf;
  for (std::size_t i = 0; i < shapes.size(); ++i)
    indexOf[shapes[i]] = static_cast<int>(i);

  for (const Shape* shape : shapes) {
    tinygltf::Node node;
    node.name = shape->name();
    for (const Shape* child : shape->children()) {
      const auto found = indexOf.find(child);
      if (found != indexOf.end()) node.children.push_back(found->second);
    }
    if (shape->isBallJoint()) {
      const GltfRotation r = toGltfRotation(shape->rotation());
      node.rotation = {r.x, r.y, r.z, r.w};
    }
    Value::Object outer;
    outer[kExtrasKey] = Value(shapeExtras(*shape));
    node.extras = Value(std::move(outer));
    if (shape->isLine()) addLineMesh(writer, model, node, *shape);
    model.nodes.push_back(node);
  }
  addMotion(writer, model, shapes);
  writer.finish();

  tinygltf::Scene gltfScene;
  for (const Shape* child : scene.root().children()) {
    const auto found = indexOf.find(child);
    if (found != indexOf.end()) gltfScene.nodes.push_back(found->second);
  }
  // An empty scene object is written as null, which no reader takes.
  if (!gltfScene.nodes.empty()) {
    model.scenes.push_back(gltfScene);
    model.defaultScene = 0;
  }
  return model;
}

}  // namespace

std::string saveGltf(const StandInScene& scene, const std::string& path) {
  const std::string extension = lowerExtension(path);
  const bool binary = extension == ".glb";
  if (!binary && extension != ".gltf") {
    return path + ": the name must end in .gltf or .glb";
  }
  try {
    tinygltf::Model model = buildModel(scene);
    std::ostringstream out;
    tinygltf::TinyGLTF writer;
    if (binary) {
      if (!writer.WriteGltfSceneToStream(&model, out, false, true)) {
        return path + ": the document could not be encoded";
      }
      return writeReplacing(path, out.str());
    }
    // The writer embeds buffers in streams; the .bin beside the JSON is
    // written here and the buffer pointed at it.
    std::vector<unsigned char> bin;
    if (!model.buffers.empty()) bin = std::move(model.buffers[0].data);
    model.buffers.clear();
    if (!writer.WriteGltfSceneToStream(&model, out, true, false)) {
      return path + ": the document could not be encoded";
    }
    nlohmann::json json = nlohmann::json::parse(out.str());
    if (!bin.empty()) {
      const std::filesystem::path binPath = fsPath(path).replace_extension(".bin");
      const std::string binName = utf8Of(binPath.filename());
      nlohmann::json buffer;
      buffer["byteLength"] = bin.size();
      buffer["uri"] = binName;
      json["buffers"] = nlohmann::json::array({buffer});
      const std::string binError =
          writeReplacing(utf8Of(binPath), std::string(bin.begin(), bin.end()));
      if (!binError.empty()) return binError;
    }
    return writeReplacing(path, json.dump(2) + "\n");
  } catch (const std::exception& e) {
    return path + ": " + e.what();
  }
}

}  // namespace jolvent::workbench
