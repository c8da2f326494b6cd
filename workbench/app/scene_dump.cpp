#include "workbench/app/scene_dump.h"

#include <cstdio>

#include "host/uuid_record.h"
#include "standin_host/streams.h"
#include "workbench/text_encoding.h"

namespace jolvent::workbench {

namespace {

std::string number(float value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6g", static_cast<double>(value) + 0.0);
  return text;
}

std::string rotation(const Quaternion& q) {
  return number(q.w) + " " + number(q.x) + " " + number(q.y) + " " + number(q.z);
}

}  // namespace

std::string dumpScene(const standin::StandInScene& scene) {
  std::string text;
  for (const standin::Shape* shape : scene.shapesInOrder()) {
    if (!shape->isPart() || shape->partType() == standin::kPlainPartType) continue;
    text += "joint " + shape->name() + " rotation " + rotation(shape->rotation()) +
            " value " + number(shape->value()) + "\n";
    for (const standin::StreamObject* stream : shape->allStreams()) {
      if (!stream->isAttached()) continue;
      text += "  stream " + std::string(uuidText(stream->key()).view()) + " ";
      for (std::uint8_t byte : stream->bytes()) {
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02X", byte);
        text += hex;
      }
      text += "\n";
    }
    for (const standin::MotionKey& key : shape->motion().keys())
      text += "  key " + number(key.position) + " rotation " + rotation(key.rotation) +
              " value " + number(key.value) + "\n";
  }
  return text;
}

}  // namespace jolvent::workbench
