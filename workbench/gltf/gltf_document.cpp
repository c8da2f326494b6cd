#include "workbench/gltf/gltf_document.h"

// Before tinygltf, whose writers use std::ofstream without including it when
// its own file access is left out.
#include <fstream>

// tinygltf's reader and writer live in this file only. Images are neither
// decoded nor fetched (the scene has none), and every file access goes
// through the callbacks below so that paths are UTF-8 on both systems.
#define TINYGLTF_IMPLEMENTATION
#define TINYGLTF_NO_STB_IMAGE
#define TINYGLTF_NO_STB_IMAGE_WRITE
#define TINYGLTF_NO_EXTERNAL_IMAGE
#define TINYGLTF_NO_FS
#include <tiny_gltf.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <system_error>
#include <utility>

#include "host/uuid_record.h"
#include "standin_host/shape.h"
#include "standin_host/streams.h"

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

namespace {

using standin::MotionKey;
using standin::MotionTrack;
using standin::Shape;
using standin::StandInScene;
using Value = tinygltf::Value;

constexpr const char* kExtrasKey = "jolvent";
constexpr const char* kGenerator = "Jolvent10 workbench";

// ---- files -----------------------------------------------------------------

std::filesystem::path fsPath(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string utf8Of(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

std::string lowerExtension(const std::string& path) {
  std::string extension = utf8Of(fsPath(path).extension());
  for (char& c : extension) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return extension;
}

std::string systemReason(int error) {
  return error != 0 ? std::generic_category().message(error) : "unknown failure";
}

// Reads the whole file; "" and the bytes, or the reason it cannot be read.
std::string readFile(const std::filesystem::path& path,
                     std::vector<unsigned char>& bytes) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return "it is a folder";
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) return systemReason(errno);
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) return "reading failed";
  return {};
}

// Writes bytes under a temporary name beside path, then renames it into
// place: the target is either the old file or the complete new one.
std::string writeReplacing(const std::string& path, const std::string& bytes) {
  const std::filesystem::path target = fsPath(path);
  std::filesystem::path temporary = target;
  temporary += ".saving";
  {
    errno = 0;
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return path + ": cannot be written (" + systemReason(errno) + ")";
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      return path + ": writing failed (" + systemReason(errno) + ")";
    }
  }
  std::error_code ec;
  std::filesystem::rename(temporary, target, ec);
  if (ec) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return path + ": cannot be replaced (" + ec.message() + ")";
  }
  return {};
}

bool fileExists(const std::string& path, void*) {
  std::error_code ec;
  return std::filesystem::is_regular_file(fsPath(path), ec);
}

std::string expandPath(const std::string& path, void*) {
  return path;
}

bool readWholeFile(std::vector<unsigned char>* out, std::string* err,
                   const std::string& path, void*) {
  const std::string reason = readFile(fsPath(path), *out);
  if (reason.empty()) return true;
  if (err != nullptr) *err += path + ": " + reason + "\n";
  return false;
}

bool refuseWrite(std::string* err, const std::string&, const std::vector<unsigned char>&,
                 void*) {
  if (err != nullptr) *err += "writing is not done through the reader\n";
  return false;
}

tinygltf::TinyGLTF makeLoader() {
  tinygltf::TinyGLTF loader;
  loader.SetFsCallbacks(
      {&fileExists, &expandPath, &readWholeFile, &refuseWrite, nullptr});
  return loader;
}

// ---- identifiers and bytes -------------------------------------------------

bool isBase64(const std::string& text) {
  if (text.size() % 4 != 0) return false;
  std::size_t padding = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '=') {
      ++padding;
      continue;
    }
    const bool digit = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                       (c >= '0' && c <= '9') || c == '+' || c == '/';
    if (!digit || padding != 0) return false;
  }
  return padding <= 2;
}

// ---- extras ----------------------------------------------------------------

Value number(float value) {
  return Value(static_cast<double>(value));
}

Value numbers(std::initializer_list<double> values) {
  Value::Array array;
  for (double value : values) array.emplace_back(value);
  return Value(std::move(array));
}

Value gltfQuaternion(const Quaternion& q) {
  const GltfRotation r = toGltfRotation(q);
  return numbers({r.x, r.y, r.z, r.w});
}

// A reader of one extras object that remembers the first thing wrong with it.
class ExtrasReader {
public:
  ExtrasReader(const Value& object, std::string where, std::string& error)
      : object_(object), where_(std::move(where)), error_(error) {}

  const Value* member(const std::string& key, bool required) {
    if (object_.IsObject() && object_.Has(key)) return &object_.Get(key);
    if (required) fail(key + " is missing");
    return nullptr;
  }

  float number(const std::string& key, float fallback = 0.0F, bool required = true) {
    const Value* value = member(key, required);
    if (value == nullptr) return fallback;
    if (!value->IsNumber()) return fail(key + " is not a number"), fallback;
    return static_cast<float>(value->GetNumberAsDouble());
  }

  int integer(const std::string& key, int fallback, bool required = true) {
    const Value* value = member(key, required);
    if (value == nullptr) return fallback;
    if (!value->IsInt()) return fail(key + " is not a whole number"), fallback;
    return value->GetNumberAsInt();
  }

  bool boolean(const std::string& key, bool fallback, bool required = true) {
    const Value* value = member(key, required);
    if (value == nullptr) return fallback;
    if (!value->IsBool()) return fail(key + " is not true or false"), fallback;
    return value->Get<bool>();
  }

  std::string text(const std::string& key) {
    const Value* value = member(key, true);
    if (value == nullptr) return {};
    if (!value->IsString()) return fail(key + " is not a text"), std::string();
    return value->Get<std::string>();
  }

  std::vector<double> numberArray(const std::string& key, std::optional<std::size_t> size,
                                  bool required = true) {
    std::vector<double> result;
    const Value* value = member(key, required);
    if (value == nullptr) return result;
    if (!value->IsArray() || (size && value->ArrayLen() != *size)) {
      fail(key + " is not " +
           (size ? "an array of " + std::to_string(*size) + " numbers" : "an array"));
      return result;
    }
    for (std::size_t i = 0; i < value->ArrayLen(); ++i) {
      const Value& element = value->Get(static_cast<int>(i));
      if (!element.IsNumber()) {
        fail(key + " holds something other than numbers");
        return {};
      }
      result.push_back(element.GetNumberAsDouble());
    }
    return result;
  }

  void fail(const std::string& what) {
    if (error_.empty()) error_ = where_ + ": " + what;
  }

private:
  const Value& object_;
  std::string where_;
  std::string& error_;
};

const Value* jolventExtras(const Value& extras) {
  if (extras.IsObject() && extras.Has(kExtrasKey)) return &extras.Get(kExtrasKey);
  return nullptr;
}

// ---- saving ----------------------------------------------------------------

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
    streams[std::string(uuidText(stream->key()).view())] = Value(
        tinygltf::base64_encode(bytes.data(), static_cast<unsigned int>(bytes.size())));
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

namespace {

// ---- opening ---------------------------------------------------------------

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
  MotionTrack motion;
  bool ours = false;
};

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
        const std::string bytes = tinygltf::base64_decode(text.Get<std::string>());
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
    Reader reader(model, error, result.warnings);
    plan = reader.plan();
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
