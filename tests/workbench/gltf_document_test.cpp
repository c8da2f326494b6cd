// The workbench's glTF documents: what is saved opens again unchanged, the
// rotation convention at the file's edge, files made elsewhere, and damaged
// files.
#include "workbench/gltf/gltf_document.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <Eigen/Geometry>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <numbers>
#include <string>
#include <vector>

#include "host/module_boundary.h"
#include "host/uuid_record.h"
#include "math/euler.h"
#include "math/matrix4.h"
#include "standin_host/standin_host.h"
#include "tests/workbench/sample_scene.h"

namespace {

using jolvent::Quaternion;
using jolvent::UuidRecord;
using jolvent::Vec3;
using jolvent::standin::MotionKey;
using jolvent::standin::Shape;
using jolvent::standin::StandInHost;
using jolvent::standin::StandInScene;
using jolvent::workbench::openGltf;
using jolvent::workbench::saveGltf;
using jolvent::workbench::sample::buildSample;
using jolvent::workbench::sample::turned;
using testing::HasSubstr;
namespace fs = std::filesystem;

using jolvent::workbench::sample::kAxisX;
using jolvent::workbench::sample::kAxisY;
using jolvent::workbench::sample::kAxisZ;

// A folder of its own for each test, removed afterwards.
class Folder {
public:
  Folder() {
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    std::string name =
        std::string("jolvent_gltf_") + info->test_suite_name() + "_" + info->name();
    for (char& c : name) {
      if (c == '/') c = '_';
    }
    path_ = fs::temp_directory_path() / name;
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~Folder() { fs::remove_all(path_); }
  std::string file(const std::string& name) const { return (path_ / name).string(); }
  std::vector<std::string> entries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(path_)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

private:
  fs::path path_;
};

std::string readText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in),
                     std::istreambuf_iterator<char>());
}

void writeText(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
}

bool sameBits(const Quaternion& a, const Quaternion& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

void expectSameBits(const Quaternion& actual, const Quaternion& expected,
                    const std::string& what) {
  EXPECT_TRUE(sameBits(actual, expected))
      << what << ": " << actual.w << " " << actual.x << " " << actual.y << " " << actual.z
      << " instead of " << expected.w << " " << expected.x << " " << expected.y << " "
      << expected.z;
}

void expectSameScene(const StandInScene& actual, const StandInScene& expected) {
  ASSERT_EQ(actual.describeTree(), expected.describeTree());
  const auto got = actual.shapesInOrder();
  const auto want = expected.shapesInOrder();
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t i = 0; i < got.size(); ++i) {
    const Shape& a = *got[i];
    const Shape& e = *want[i];
    SCOPED_TRACE(e.name());
    EXPECT_EQ(a.name(), e.name());
    EXPECT_EQ(a.kind(), e.kind());
    EXPECT_EQ(a.isBallJoint(), e.isBallJoint());
    EXPECT_EQ(a.isRotatorJoint(), e.isRotatorJoint());
    EXPECT_EQ(a.partType(), e.partType());
    expectSameBits(a.rotation(), e.rotation(), "rotation");
    expectSameBits(a.defaultRotation(), e.defaultRotation(), "default rotation");
    EXPECT_EQ(std::memcmp(&a.centre(), &e.centre(), sizeof(Vec3)), 0);
    EXPECT_EQ(a.value(), e.value());
    EXPECT_EQ(a.defaultValue(), e.defaultValue());
    EXPECT_EQ(a.minimum(), e.minimum());
    EXPECT_EQ(a.maximum(), e.maximum());
    ASSERT_EQ(a.points().size(), e.points().size());
    for (std::size_t p = 0; p < a.points().size(); ++p) {
      EXPECT_EQ(std::memcmp(&a.points()[p], &e.points()[p], sizeof(Vec3)), 0);
    }
    EXPECT_EQ(a.colour(), e.colour());
    for (const auto* stream : e.allStreams()) {
      if (!stream->isAttached()) continue;
      const auto* found = a.stream(stream->key());
      ASSERT_NE(found, nullptr);
      EXPECT_EQ(found->bytes(), stream->bytes());
    }
    EXPECT_EQ(a.allStreams().size(), e.allStreams().size());
    EXPECT_EQ(a.motion().present(), e.motion().present());
    EXPECT_EQ(a.motion().enabled(), e.motion().enabled());
    ASSERT_EQ(a.motion().keys().size(), e.motion().keys().size());
    for (std::size_t k = 0; k < a.motion().keys().size(); ++k) {
      const MotionKey& ak = a.motion().keys()[k];
      const MotionKey& ek = e.motion().keys()[k];
      EXPECT_EQ(ak.position, ek.position);
      EXPECT_EQ(ak.value, ek.value);
      expectSameBits(ak.rotation, ek.rotation, "key " + std::to_string(k));
    }
  }
}

// ---- round trip ------------------------------------------------------------

class RoundTrip : public testing::TestWithParam<const char*> {};

TEST_P(RoundTrip, OpensWhatWasSaved) {
  Folder folder;
  StandInHost saved;
  buildSample(saved.scene());
  const std::string path = folder.file(std::string("scene") + GetParam());
  ASSERT_EQ(saveGltf(saved.scene(), path), "");

  StandInHost opened;
  const auto result = openGltf(opened.scene(), path);
  ASSERT_TRUE(result.ok()) << result.error;
  EXPECT_THAT(result.warnings, testing::IsEmpty());
  expectSameScene(opened.scene(), saved.scene());
  EXPECT_EQ(opened.problems(), "");
}

TEST_P(RoundTrip, LeavesOnlyTheDocumentBehindAndReplacesAnOlderOne) {
  Folder folder;
  const std::string path = folder.file(std::string("scene") + GetParam());
  StandInHost big;
  buildSample(big.scene());
  ASSERT_EQ(saveGltf(big.scene(), path), "");
  StandInHost small;
  small.scene().addLine("only", {{1, 1, 1}, {2, 2, 2}});
  ASSERT_EQ(saveGltf(small.scene(), path), "");

  const std::vector<std::string> expected =
      std::string(GetParam()) == ".gltf"
          ? std::vector<std::string>{"scene.bin", "scene.gltf"}
          : std::vector<std::string>{"scene.glb"};
  EXPECT_EQ(folder.entries(), expected);
  StandInHost opened;
  ASSERT_TRUE(openGltf(opened.scene(), path).ok());
  expectSameScene(opened.scene(), small.scene());
}

TEST_P(RoundTrip, AnEmptySceneOpensEmpty) {
  Folder folder;
  const std::string path = folder.file(std::string("empty") + GetParam());
  StandInHost saved;
  ASSERT_EQ(saveGltf(saved.scene(), path), "");
  StandInHost opened;
  const auto result = openGltf(opened.scene(), path);
  ASSERT_TRUE(result.ok()) << result.error;
  EXPECT_TRUE(opened.scene().shapesInOrder().empty());
}

INSTANTIATE_TEST_SUITE_P(Gltf, RoundTrip, testing::Values(".gltf", ".glb"),
                         [](const auto& param) { return std::string(param.param + 1); });

TEST(Save, RefusesOtherNamesAndNeverLeavesAPartialFile) {
  Folder folder;
  StandInHost host;
  buildSample(host.scene());
  EXPECT_THAT(saveGltf(host.scene(), folder.file("scene.obj")),
              HasSubstr("scene.obj: the name must end in .gltf or .glb"));

  // A folder where the file should go: the save fails at the last step.
  fs::create_directory(folder.file("taken.glb"));
  const std::string error = saveGltf(host.scene(), folder.file("taken.glb"));
  EXPECT_THAT(error, HasSubstr(folder.file("taken.glb")));
  EXPECT_EQ(folder.entries(), std::vector<std::string>{"taken.glb"});
  EXPECT_TRUE(fs::is_directory(folder.file("taken.glb")));

  const std::string missing = folder.file("no/such/folder/scene.gltf");
  // The buffer beside it is the first file written, and the one named.
  EXPECT_THAT(saveGltf(host.scene(), missing),
              testing::AllOf(testing::StartsWith(folder.file("no/such/folder/scene.")),
                             HasSubstr(": cannot be written")));
}

// ---- the rotation convention -------------------------------------------------

Eigen::Quaterniond savedRotation(const std::string& path, int node) {
  const auto json = nlohmann::json::parse(readText(path));
  const auto& r = json.at("nodes").at(static_cast<std::size_t>(node)).at("rotation");
  return {r.at(3).get<double>(), r.at(0).get<double>(), r.at(1).get<double>(),
          r.at(2).get<double>()};
}

TEST(Convention, PitchTenDegreesIsSavedAsTenDegreesAboutXTurningYTowardZ) {
  Folder folder;
  StandInHost host;
  host.scene().addBallJoint("joint", nullptr, {}, turned(kAxisX, 10.0F));
  const std::string path = folder.file("pitch.gltf");
  ASSERT_EQ(saveGltf(host.scene(), path), "");

  const Eigen::Quaterniond saved = savedRotation(path, 0);
  const double radians = 10.0 * std::numbers::pi / 180.0;
  const Eigen::Vector3d turnedY = saved * Eigen::Vector3d::UnitY();
  EXPECT_NEAR(turnedY.x(), 0.0, 1e-6);
  EXPECT_NEAR(turnedY.y(), std::cos(radians), 1e-6);
  EXPECT_NEAR(turnedY.z(), std::sin(radians), 1e-6);
  const Eigen::Quaterniond expected(Eigen::AngleAxisd(radians, Eigen::Vector3d::UnitX()));
  EXPECT_NEAR(saved.angularDistance(expected), 0.0, 1e-6);
}

// Any rotation: the saved quaternion moves column vectors where the
// plug-in's matrix moves row vectors.
TEST(Convention, SavedRotationMovesPointsAsThePluginsMatrixDoes) {
  const struct {
    const char* name;
    Quaternion rotation;
  } cases[] = {
      {"yaw", turned(kAxisY, 25.0F)},
      {"roll", turned(kAxisZ, -140.0F)},
      {"pitch then yaw", turned(kAxisY, 33.0F, turned(kAxisX, 10.0F))},
      {"three axes",
       turned(kAxisZ, 80.0F, turned(kAxisY, -60.0F, turned(kAxisX, 170.0F)))},
  };
  const Vec3 points[] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {0.3F, -2.0F, 5.0F}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto r = jolvent::workbench::toGltfRotation(c.rotation);
    const Eigen::Quaterniond gltf(r.w, r.x, r.y, r.z);
    const jolvent::Matrix4 m = jolvent::quatToMatrix(c.rotation);
    for (const Vec3& p : points) {
      const Eigen::Vector3d moved = gltf * Eigen::Vector3d(p.x, p.y, p.z);
      for (int column = 0; column < 3; ++column) {
        const double row =
            p.x * m.at(0, column) + p.y * m.at(1, column) + p.z * m.at(2, column);
        EXPECT_NEAR(moved[column], row, 1e-5);
      }
    }
    expectSameBits(jolvent::workbench::fromGltfRotation(r), c.rotation, "back");
  }
}

// ---- files made elsewhere --------------------------------------------------

// A skinned character with a camera, a triangle mesh, a line, a textured
// material and a translation channel. Accessors without a buffer view read
// as zeros.
constexpr const char* kForeign = R"({
  "asset": {"version": "2.0", "generator": "elsewhere"},
  "scene": 0,
  "scenes": [{"nodes": [0, 3]}],
  "nodes": [
    {"name": "Armature", "children": [1, 4]},
    {"name": "Hip", "rotation": [0.0, 0.0, 0.25881904510252074, 0.9659258262890683],
     "children": [2]},
    {"name": "Knee", "rotation": [0.17364817766693033, 0.0, 0.0, 0.984807753012208],
     "translation": [0, 1, 0]},
    {"name": "Body", "mesh": 0, "skin": 0, "camera": 0},
    {"name": "Outline", "mesh": 1}
  ],
  "skins": [{"joints": [1, 2], "inverseBindMatrices": 4}],
  "cameras": [{"type": "perspective", "perspective": {"yfov": 1.0, "znear": 0.1}}],
  "materials": [{"name": "skin", "pbrMetallicRoughness": {"metallicFactor": 0.2}},
                {"name": "red", "pbrMetallicRoughness": {"baseColorFactor": [1, 0, 0, 1]}}],
  "meshes": [
    {"name": "BodyMesh", "primitives": [{"attributes": {"POSITION": 0}, "material": 0}]},
    {"name": "OutlineMesh",
     "primitives": [{"attributes": {"POSITION": 1}, "mode": 1, "material": 1}]}
  ],
  "accessors": [
    {"componentType": 5126, "count": 3, "type": "VEC3", "min": [0,0,0], "max": [0,0,0]},
    {"componentType": 5126, "count": 2, "type": "VEC3", "min": [0,0,0], "max": [0,0,0]},
    {"componentType": 5126, "count": 1, "type": "SCALAR", "min": [0], "max": [0]},
    {"componentType": 5126, "count": 1, "type": "VEC3"},
    {"componentType": 5126, "count": 2, "type": "MAT4"}
  ],
  "animations": [{"name": "walk",
    "samplers": [{"input": 2, "output": 3}],
    "channels": [{"sampler": 0, "target": {"node": 2, "path": "translation"}}]}]
})";

TEST(Foreign, SkinJointsBecomeBallJointsAndTheRestIsNamed) {
  Folder folder;
  const std::string path = folder.file("character.gltf");
  writeText(path, kForeign);
  StandInHost host;
  const auto result = openGltf(host.scene(), path);
  ASSERT_TRUE(result.ok()) << result.error;
  StandInScene& scene = host.scene();
  EXPECT_THAT(scene.describeTree(), HasSubstr("Armature"));
  ASSERT_NE(scene.findByName("Armature"), nullptr);
  EXPECT_EQ(scene.findByName("Armature")->childNames(),
            (std::vector<std::string>{"Hip", "Outline"}));
  EXPECT_FALSE(scene.findByName("Armature")->isBallJoint());

  Shape* hip = scene.findByName("Hip");
  Shape* knee = scene.findByName("Knee");
  ASSERT_NE(hip, nullptr);
  ASSERT_NE(knee, nullptr);
  EXPECT_EQ(knee->parent(), hip);
  EXPECT_TRUE(hip->isBallJoint());
  EXPECT_TRUE(knee->isBallJoint());
  // Hip: 30 degrees about Z in glTF, +X toward +Y, as the roll slider turns.
  const Quaternion roll = turned(kAxisZ, 30.0F);
  EXPECT_NEAR(hip->rotation().w, roll.w, 1e-6);
  EXPECT_NEAR(hip->rotation().z, roll.z, 1e-6);
  const Quaternion pitch = turned(kAxisX, 20.0F);
  EXPECT_NEAR(knee->rotation().w, pitch.w, 1e-6);
  EXPECT_NEAR(knee->rotation().x, pitch.x, 1e-6);

  Shape* body = scene.findByName("Body");
  ASSERT_NE(body, nullptr);
  EXPECT_TRUE(body->isPart());
  Shape* outline = scene.findByName("Outline");
  ASSERT_NE(outline, nullptr);
  EXPECT_TRUE(outline->isLine());
  EXPECT_EQ(outline->points().size(), 2U);
  EXPECT_EQ(outline->colour(), (jolvent::standin::Rgb{1, 0, 0}));

  const std::string warnings = testing::PrintToString(result.warnings);
  for (const char* expected : {"BodyMesh", "camera", "material 0 'skin'", "skin 0",
                               "translation keys", "'Knee': its translation"}) {
    EXPECT_THAT(warnings, HasSubstr(expected));
  }
  EXPECT_EQ(host.problems(), "");
}

// ---- damaged files ---------------------------------------------------------

// Each case damages a saved document (or writes a file of its own) and says
// what the error must tell.
TEST(Damaged, EachGivesAnErrorNamingTheFileAndLeavesTheSceneEmpty) {
  using Json = nlohmann::json;
  const auto withJson = [](std::function<void(Json&)> change) {
    return [change](const std::string& gltf, const std::string&) {
      Json json = Json::parse(readText(gltf));
      change(json);
      writeText(gltf, json.dump(1));
    };
  };
  const struct {
    const char* name;
    const char* file;  // "scene.gltf" or "scene.glb" start as saved documents
    std::function<void(const std::string& path, const std::string& folder)> damage;
    const char* error;
  } cases[] = {
      {"empty file", "scene.gltf",
       [](const std::string& p, const std::string&) { writeText(p, ""); }, "empty"},
      {"truncated JSON", "scene.gltf",
       [](const std::string& p, const std::string&) {
         const std::string text = readText(p);
         writeText(p, text.substr(0, text.size() / 2));
       },
       ""},
      {"JSON not glTF", "scene.gltf",
       [](const std::string& p, const std::string&) { writeText(p, R"({"hello": 1})"); },
       ""},
      {"not JSON at all", "scene.gltf",
       [](const std::string& p, const std::string&) { writeText(p, "solid cube\n"); },
       ""},
      {"glb with a bad header", "scene.glb",
       [](const std::string& p, const std::string&) {
         std::string bytes = readText(p);
         bytes[4] = 7;  // version
         writeText(p, bytes);
       },
       ""},
      {"glb not glTF", "scene.glb",
       [](const std::string& p, const std::string&) { writeText(p, "PK\x03\x04 zip"); },
       ""},
      {"truncated glb", "scene.glb",
       [](const std::string& p, const std::string&) {
         const std::string bytes = readText(p);
         writeText(p, bytes.substr(0, bytes.size() - 40));
       },
       ""},
      {"buffer missing", "scene.gltf",
       [](const std::string&, const std::string& folder) {
         fs::remove(fs::path(folder) / "scene.bin");
       },
       "scene.bin"},
      {"accessor beyond its buffer", "scene.gltf",
       withJson([](Json& j) { j["accessors"][0]["count"] = 100000; }), ""},
      {"stream not base64", "scene.gltf", withJson([](Json& j) {
         auto& streams = j["nodes"][1]["extras"]["jolvent"]["streams"];
         streams[streams.begin().key()] = "not*base64";
       }),
       "not base64"},
      {"unknown kind", "scene.gltf",
       withJson([](Json& j) { j["nodes"][0]["extras"]["jolvent"]["kind"] = "wheel"; }),
       "'wheel'"},
      {"joint value not a number", "scene.gltf",
       withJson([](Json& j) { j["nodes"][3]["extras"]["jolvent"]["maximum"] = "high"; }),
       "maximum is not a number"},
      {"node its own child", "scene.gltf",
       withJson([](Json& j) { j["nodes"][0]["children"].push_back(0); }), "twice"},
      {"child that does not exist", "scene.gltf",
       withJson([](Json& j) { j["nodes"][0]["children"].push_back(99); }), ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Folder folder;
    StandInHost saved;
    buildSample(saved.scene());
    const std::string path = folder.file(c.file);
    ASSERT_EQ(saveGltf(saved.scene(), path), "");
    c.damage(path, folder.file(""));

    StandInHost host;
    const auto result = openGltf(host.scene(), path);
    EXPECT_FALSE(result.ok());
    EXPECT_THAT(result.error, testing::StartsWith(path + ": "));
    EXPECT_THAT(result.error, HasSubstr(c.error));
    EXPECT_TRUE(host.scene().shapesInOrder().empty()) << host.scene().describeTree();
  }
}

TEST(Open, RefusesAMissingFileAndASceneThatIsNotEmpty) {
  Folder folder;
  StandInHost host;
  const std::string missing = folder.file("missing.gltf");
  EXPECT_THAT(openGltf(host.scene(), missing).error,
              HasSubstr(missing + ": cannot be read"));

  const std::string path = folder.file("scene.glb");
  StandInHost saved;
  buildSample(saved.scene());
  ASSERT_EQ(saveGltf(saved.scene(), path), "");
  host.scene().addPart("already here");
  EXPECT_THAT(openGltf(host.scene(), path).error, HasSubstr("not empty"));
  EXPECT_EQ(host.scene().shapesInOrder().size(), 1U);
}

}  // namespace
