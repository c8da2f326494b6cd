// The settings each ball joint carries in a data stream of its own: the six
// angle limits and the last yaw, pitch and roll, as nine floats.
//
// The scene-based operations act on the joint named by ballJointHandle; a
// handle that names no shape any more leaves everything as it is.
#pragma once

#include <cstddef>

#include "host/fwd.h"
#include "host/uuid_record.h"

namespace jolvent {

// The stream's content, written and read float by float, in degrees. The two
// halves are written independently: a stream may hold only the limits.
struct JointSettingsRecord {
  float pitchMin;
  float pitchMax;
  float yawMin;
  float yawMax;
  float rollMin;
  float rollMax;
  float yaw;
  float pitch;
  float roll;
};

static_assert(sizeof(JointSettingsRecord) == 36);
static_assert(offsetof(JointSettingsRecord, yawMin) == 8);
static_assert(offsetof(JointSettingsRecord, rollMax) == 20);
static_assert(offsetof(JointSettingsRecord, yaw) == 24);
static_assert(offsetof(JointSettingsRecord, roll) == 32);

// Where the angle half starts; it is read only from a longer stream.
inline constexpr int kStoredAnglesOffset = offsetof(JointSettingsRecord, yaw);

// The host's kind of stream, given three times when one is created.
inline constexpr UuidRecord StreamCreationId{
    {0x00000000U, 0x53B811D9U, 0xBCFF000AU, 0x95BACEB2U}};

// The key of every settings stream, which documents have carried since the
// first version: the main component's UUID.
inline constexpr UuidRecord kJointSettingsKey =
    parseUuidText("7EE80734-BEB6-4c23-A233-273EBE61B210");

// Limits from the stream; a whole turn either way when the joint has none.
void readStoredLimits(Scene& scene);
// yaw, pitch and roll from the stream when it holds them; else unchanged.
void readStoredAngles(Scene& scene);
// The six limits to the stream, created if needed; stored angles stay.
void storeLimits(Scene& scene);
// yaw, pitch and roll to the stream; a new stream also gets the limits.
void storeAngles(Scene& scene);
// The shape's own current rotation as angles, into the stream it already has.
// Creates none and changes no editing state.
void storeShapeAngles(shape_class& shape);

// Deletes the shape's settings stream, if it has one, and then puts the three
// angle ranges back to a whole turn either way, whatever joint is edited.
// Answers whether there was a stream.
bool deleteJointSettings(shape_class& shape);

}  // namespace jolvent
