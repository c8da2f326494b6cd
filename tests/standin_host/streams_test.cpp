// Per-shape streams: creation, lookup, deletion, and byte-exact content.
#include "standin_host/streams.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <functional>
#include <vector>

#include "host/host_ref.h"
#include "host/shape.h"
#include "standin_host/standin_host.h"

namespace jolvent::standin {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

constexpr UuidRecord kKey{{0x7EE80734U, 0xBEB64C23U, 0xA233273EU, 0xBE61B210U}};
constexpr UuidRecord kOtherKey{{1U, 2U, 3U, 4U}};
constexpr UuidRecord kCreationId{{0x00000000U, 0x53B811D9U, 0xBCFF000AU, 0x95BACEB2U}};

std::vector<std::uint8_t> bytesOf(const std::vector<float>& values) {
  std::vector<std::uint8_t> bytes(values.size() * sizeof(float));
  if (!values.empty()) std::memcpy(bytes.data(), values.data(), bytes.size());
  return bytes;
}

class StreamTest : public ::testing::Test {
protected:
  StandInHost host;
  Shape& joint = host.scene().addBallJoint("joint1");
  shape_class* object = joint.asShapeClass();

  HostRef<Stream> create() {
    return HostRef<Stream>::adopt(
        object->createStream(kKey, &kCreationId, &kCreationId, &kCreationId, 0));
  }
};

TEST_F(StreamTest, FloatsAreStoredAsTheirLittleEndianBytes) {
  auto stream = create();
  const float one = 1.0F;
  const float minusTwo = -2.0F;
  stream->writeFloat(&one, 0);
  stream->writeFloat(&minusTwo, 0);
  EXPECT_THAT(joint.stream(kKey)->bytes(),
              ElementsAre(0x00, 0x00, 0x80, 0x3F, 0x00, 0x00, 0x00, 0xC0));
  EXPECT_EQ(stream->size(0), 8);
}

// A sequence of stream operations and what it leaves.
struct StreamCase {
  const char* title;
  std::vector<float> initial;  // content before the steps, as floats
  std::function<void(Stream&, std::vector<float>& read)> steps;
  std::vector<std::uint8_t> bytes;  // content after
  std::int64_t position;
  std::vector<float> read;  // floats the steps read, in order
};

void read(Stream& s, int times, std::vector<float>& readings) {
  for (int i = 0; i < times; ++i) {
    float value = -99.0F;
    s.readFloat(&value, 0);
    readings.push_back(value);
  }
}

void write(Stream& s, std::vector<float> values) {
  for (float value : values) s.writeFloat(&value, 0);
}

TEST_F(StreamTest, ReadWriteSeekAndGrowth) {
  const StreamCase cases[] = {
      {"writes from 0",
       {},
       [](Stream& s, std::vector<float>&) {
         write(s, {1, 2, 3});
       },
       bytesOf({1, 2, 3}),
       12,
       {}},
      {"write past the end fills the gap with zeros",
       {},
       [](Stream& s, std::vector<float>&) {
         s.seek(24, 0);
         write(s, {5});
       },
       bytesOf({0, 0, 0, 0, 0, 0, 5}),
       28,
       {}},
      {"overwrite in the middle keeps the rest",
       {1, 2, 3},
       [](Stream& s, std::vector<float>&) {
         s.seek(4, 0);
         write(s, {9});
       },
       bytesOf({1, 9, 3}),
       8,
       {}},
      {"reads advance by four",
       {1, 2, 3},
       [](Stream& s, std::vector<float>& r) {
         s.seek(4, 0);
         read(s, 2, r);
       },
       bytesOf({1, 2, 3}),
       12,
       {2, 3}},
      {"reading past the end gives zeros and still advances",
       {7},
       [](Stream& s, std::vector<float>& r) { read(s, 3, r); },
       bytesOf({7}),
       12,
       {7, 0, 0}},
      {"seek past the end, then read",
       {7},
       [](Stream& s, std::vector<float>& r) {
         s.seek(1000, 0);
         read(s, 1, r);
       },
       bytesOf({7}),
       1004,
       {0}},
      {"negative seek is clamped to 0",
       {4, 5},
       [](Stream& s, std::vector<float>& r) {
         s.seek(-8, 0);
         read(s, 1, r);
       },
       bytesOf({4, 5}),
       4,
       {4}},
  };
  for (const StreamCase& c : cases) {
    SCOPED_TRACE(c.title);
    std::vector<float> readings;
    StreamObject& stream = joint.putStream(kKey, bytesOf(c.initial));
    c.steps(stream, readings);
    EXPECT_THAT(stream.bytes(), ElementsAreArray(c.bytes));
    EXPECT_EQ(stream.size(0), static_cast<int>(c.bytes.size()));
    EXPECT_EQ(stream.position(), c.position);
    EXPECT_THAT(readings, ElementsAreArray(c.read));
  }
  EXPECT_THAT(host.protocolViolations(),
              ElementsAre("Stream::seek: negative position -8"));
}

TEST_F(StreamTest, PartialFloatAtTheEndReadsZeroBytesBeyond) {
  StreamObject& stream = joint.putStream(kKey, {0x00, 0x00, 0x80});  // 3 bytes
  float value = -1.0F;
  stream.readFloat(&value, 0);
  std::uint8_t expected[4] = {0x00, 0x00, 0x80, 0x00};
  float expectedValue;
  std::memcpy(&expectedValue, expected, 4);
  EXPECT_EQ(value, expectedValue);
  EXPECT_EQ(stream.readsPastEnd(), 1);
  EXPECT_EQ(stream.bytes().size(), 3U);
}

TEST_F(StreamTest, WritesBeyondTheLimitAreRefused) {
  StreamObject& stream = joint.putStream(kKey);
  const float value = 1.0F;
  stream.seek(INT_MAX, 0);
  stream.writeFloat(&value, 0);
  EXPECT_TRUE(stream.bytes().empty());
  EXPECT_EQ(host.protocolViolations().size(), 1U);
}

TEST_F(StreamTest, CreateRecordsIdentifiersAndGetFindsTheStream) {
  EXPECT_EQ(object->getStream(kKey, 0), nullptr);
  {
    auto stream = create();
    EXPECT_EQ(stream->size(0), 0);
  }
  StreamObject* made = joint.stream(kKey);
  ASSERT_NE(made, nullptr);
  ASSERT_TRUE(made->creationIds().has_value());
  for (const UuidRecord& id : *made->creationIds()) EXPECT_EQ(id, kCreationId);

  auto found = HostRef<Stream>::adopt(object->getStream(kKey, 0));
  EXPECT_EQ(found.get(), made);
  EXPECT_EQ(object->getStream(kOtherKey, 0), nullptr);
  // Another shape has its own streams.
  EXPECT_EQ(host.scene().addBallJoint("joint2").asShapeClass()->getStream(kKey, 0),
            nullptr);

  found.reset();
  EXPECT_EQ(host.problems(), "");
}

TEST_F(StreamTest, CreatingUnderAnExistingKeyReplacesTheStream) {
  auto old = HostRef<Stream>::adopt(object->getStream(kKey, 0));
  ASSERT_FALSE(old);
  StreamObject& first = joint.putStream(kKey, bytesOf({1, 2}));
  old = HostRef<Stream>::adopt(object->getStream(kKey, 0));

  auto fresh = create();
  EXPECT_EQ(fresh->size(0), 0);
  EXPECT_FALSE(first.isAttached());
  EXPECT_EQ(joint.stream(kKey), fresh.get());
  // The old stream still works for its holder and changes nothing attached.
  const float value = 3.0F;
  old->writeFloat(&value, 0);
  EXPECT_EQ(old->size(0), 8);
  EXPECT_EQ(fresh->size(0), 0);
  EXPECT_EQ(joint.allStreams().size(), 2U);

  old.reset();
  fresh.reset();
  EXPECT_EQ(host.problems(), "");
}

TEST_F(StreamTest, DeleteDetachesWhileAHolderKeepsUsingIt) {
  joint.putStream(kKey, bytesOf({1}));
  joint.putStream(kOtherKey, bytesOf({2}));
  auto held = HostRef<Stream>::adopt(object->getStream(kKey, 0));

  object->deleteStream(kKey, 0);
  object->deleteStream(kKey, 0);  // nothing left under the key: no effect

  EXPECT_EQ(object->getStream(kKey, 0), nullptr);
  EXPECT_NE(joint.stream(kOtherKey), nullptr);
  float value = 0.0F;
  held->readFloat(&value, 0);
  EXPECT_EQ(value, 1.0F);
  held.reset();
  EXPECT_EQ(host.problems(), "");
}

TEST_F(StreamTest, TestsCanSetAndReadContentDirectly) {
  StreamObject& stream = joint.putStream(kKey);
  stream.setFloats({-360, 360, -90, 90, -45, 45});
  EXPECT_EQ(stream.size(0), 24);
  EXPECT_FALSE(stream.creationIds().has_value());
  stream.bytes().push_back(0xFF);
  EXPECT_THAT(stream.floats(), ElementsAre(-360, 360, -90, 90, -45, 45));
}

}  // namespace
}  // namespace jolvent::standin
