#include "tests/workbench/sample_scene.h"

#include <cstdint>
#include <vector>

#include "editing/settings_stream.h"
#include "math/euler.h"
#include "standin_host/shape.h"

namespace jolvent::workbench::sample {

using standin::Shape;

Quaternion turned(const Vec3& axis, float degrees, const Quaternion& from) {
  return applyAxisDelta(from, &axis, degrees, 0.0F);
}

namespace {

std::vector<std::uint8_t> settingsBytes() {
  std::vector<std::uint8_t> bytes(36);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    bytes[i] = static_cast<std::uint8_t>(i * 37 + 200);  // 0x00 and 0xFF among them
  }
  return bytes;
}

}  // namespace

// Parts, nested ball joints with a settings stream and keys, a valued joint
// with keys, lines with and without colour.
void buildSample(standin::StandInScene& scene) {
  Shape& body = scene.addPart("body");
  Shape& shoulder = scene.addBallJoint("shoulder", &body, {1.5F, -2.0F, 3.25F},
                                       turned(kAxisY, 33.0F, turned(kAxisX, 10.0F)));
  shoulder.setDefaultRotation(turned(kAxisZ, -12.5F)).setRotatorJoint(true);
  shoulder.putStream(kJointSettingsKey, settingsBytes());
  shoulder.motion().setPresent(true);
  shoulder.motion().insertKey({0.0F, turned(kAxisX, 5.0F), 0.0F});
  shoulder.motion().insertKey({7.3F, turned(kAxisY, -71.0F), 0.0F});
  shoulder.motion().insertKey({30.0F, turned(kAxisZ, 179.0F), 0.0F});

  Shape& elbow = scene.addBallJoint("elbow", &shoulder, {0.1F, 0.2F, 0.3F},
                                    turned(kAxisZ, 0.7F, turned(kAxisY, -45.0F)));
  elbow.setPartType(11);
  elbow.putStream(UuidRecord{{0x01234567U, 0x89ABCDEFU, 0xFEDCBA98U, 0x76543210U}},
                  {1, 2, 3});
  elbow.motion().setPresent(true);
  elbow.motion().setEnabled(false);

  Shape& grip = scene.addValuedJoint("grip", 3, 0.25F, -1.0F, 2.5F, 0.1F, &shoulder);
  grip.motion().setPresent(true);
  grip.motion().insertKey({2.0F, {}, 0.75F});
  grip.motion().insertKey({11.0F, {}, -0.3F});

  Shape& guide =
      scene.addLine("guide", {{0, 0, 0}, {1, 2, 3}, {-4, 5.5F, 0.125F}}, &body);
  guide.setColour({0.25F, 0.5F, 1.0F});
  scene.addLine("plain", {{3, 3, 3}, {-3, -3, -3}});
  scene.addPart("empty");
}

}  // namespace jolvent::workbench::sample
