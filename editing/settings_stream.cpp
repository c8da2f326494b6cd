#include "editing/settings_stream.h"

#include "editing/edit_state.h"
#include "host/host_ref.h"
#include "host/joint.h"
#include "host/scene.h"
#include "host/shape.h"
#include "host/stream.h"
#include "math/euler.h"

namespace jolvent {

namespace {

HostRef<Stream> findStream(shape_class& shape) {
  return HostRef<Stream>::adopt(shape.getStream(kJointSettingsKey, 0));
}

HostRef<Stream> createStream(shape_class& shape) {
  return HostRef<Stream>::adopt(shape.createStream(
      kJointSettingsKey, &StreamCreationId, &StreamCreationId, &StreamCreationId, 0));
}

shape_class* editedJoint(Scene& scene) {
  return scene.shapeByHandle(editState().ballJointHandle, 0);
}

void writeFloats(Stream& stream, int position, std::initializer_list<float> values) {
  stream.seek(position, 0);
  for (float value : values) stream.writeFloat(&value, 0);
}

void writeLimits(Stream& stream) {
  const AngleLimits& limits = angleLimits();
  writeFloats(stream, 0,
              {limits.pitchMin, limits.pitchMax, limits.yawMin, limits.yawMax,
               limits.rollMin, limits.rollMax});
}

}  // namespace

void readStoredLimits(Scene& scene) {
  AngleLimits& limits = angleLimits();
  shape_class* joint = editedJoint(scene);
  HostRef<Stream> stream = joint != nullptr ? findStream(*joint) : HostRef<Stream>();
  if (!stream) {
    limits.resetAngles();
    return;
  }
  stream->seek(0, 0);
  for (float* limit : {&limits.pitchMin, &limits.pitchMax, &limits.yawMin, &limits.yawMax,
                       &limits.rollMin, &limits.rollMax}) {
    stream->readFloat(limit, 0);
  }
}

void readStoredAngles(Scene& scene) {
  shape_class* joint = editedJoint(scene);
  if (joint == nullptr) return;
  HostRef<Stream> stream = findStream(*joint);
  if (!stream || stream->size(0) <= kStoredAnglesOffset) return;
  EditState& state = editState();
  stream->seek(kStoredAnglesOffset, 0);
  for (float* angle : {&state.yaw, &state.pitch, &state.roll})
    stream->readFloat(angle, 0);
}

void storeLimits(Scene& scene) {
  shape_class* joint = editedJoint(scene);
  if (joint == nullptr) return;
  HostRef<Stream> stream = findStream(*joint);
  if (!stream) stream = createStream(*joint);
  if (!stream) return;
  writeLimits(*stream);
}

void storeAngles(Scene& scene) {
  shape_class* joint = editedJoint(scene);
  if (joint == nullptr) return;
  HostRef<Stream> stream = findStream(*joint);
  if (!stream) {
    stream = createStream(*joint);
    if (!stream) return;
    writeLimits(*stream);
  }
  const EditState& state = editState();
  writeFloats(*stream, kStoredAnglesOffset, {state.yaw, state.pitch, state.roll});
}

void storeShapeAngles(shape_class& shape) {
  HostRef<Stream> stream = findStream(shape);
  if (!stream) return;
  HostRef<BallJointFrame> frame = HostRef<BallJointFrame>::adopt(shape.ballJointFrame(0));
  if (!frame) return;
  Quaternion rotation;
  frame->jointRotation(&rotation, 0);
  const EulerDegrees angles = quatToEulerDegrees(rotation);
  writeFloats(*stream, kStoredAnglesOffset, {angles.yaw, angles.pitch, angles.roll});
}

bool deleteJointSettings(shape_class& shape) {
  HostRef<Stream> stream = findStream(shape);
  if (!stream) return false;
  shape.deleteStream(kJointSettingsKey, 0);
  angleLimits().resetAngles();
  return true;
}

}  // namespace jolvent
