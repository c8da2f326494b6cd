// A per-shape data stream.
//
// Bytes are kept as written: a float is its four bytes in memory order (both
// targets are little-endian IEEE). Rules where the interface leaves room:
// - writing past the end grows the stream, filling any gap with zero bytes;
// - reading past the end never touches memory outside the stream: each byte
//   beyond the end reads as 0 and the position still advances by four;
// - seek may go past the end; a negative position is a protocol violation and
//   is clamped to 0;
// - a stream never grows beyond kMaxStreamBytes: a write that would is a
//   protocol violation and is dropped, the position unchanged.
// A stream deleted or replaced by createStream is detached from its shape but
// stays usable by whoever still holds it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/stream.h"
#include "host/uuid_record.h"
#include "standin_host/counted.h"

namespace jolvent::standin {

inline constexpr std::int64_t kMaxStreamBytes = 1 << 20;

// The one kind of stream this host makes; createStream takes it three times.
inline constexpr UuidRecord kStreamKindId{
    {0x00000000U, 0x53B811D9U, 0xBCFF000AU, 0x95BACEB2U}};

class StreamObject final : public Counted<Stream> {
public:
  StreamObject(HostContext& context, std::string ownerName, const UuidRecord& key,
               std::optional<std::array<UuidRecord, 3>> creationIds,
               std::vector<std::uint8_t> bytes);

  void readFloat(float* out, Reserved reserved) override;
  void writeFloat(const float* value, Reserved reserved) override;
  void seek(int position, Reserved reserved) override;
  int size(Reserved reserved) override;

  // The content, for tests to check or set byte by byte.
  std::vector<std::uint8_t>& bytes() { return bytes_; }
  const std::vector<std::uint8_t>& bytes() const { return bytes_; }
  // The content read as whole floats from offset 0 (a trailing part dropped).
  std::vector<float> floats() const;
  // Replaces the content by these floats.
  void setFloats(const std::vector<float>& values);
  std::int64_t position() const { return position_; }
  const UuidRecord& key() const { return key_; }
  // The three identifiers createStream was given; none for a stream a test
  // attached with Shape::putStream.
  const std::optional<std::array<UuidRecord, 3>>& creationIds() const {
    return creationIds_;
  }
  bool isAttached() const { return attached_; }
  void detach() { attached_ = false; }
  // readFloat calls that reached beyond the end.
  int readsPastEnd() const { return readsPastEnd_; }

private:
  std::string operationDetails(const std::string& rest) const;

  std::string ownerName_;
  UuidRecord key_;
  std::optional<std::array<UuidRecord, 3>> creationIds_;
  std::vector<std::uint8_t> bytes_;
  std::int64_t position_ = 0;
  bool attached_ = true;
  int readsPastEnd_ = 0;
};

}  // namespace jolvent::standin
