#include "standin_host/streams.h"

#include <cstring>

#include "standin_host/text.h"

namespace jolvent::standin {

StreamObject::StreamObject(HostContext& context, std::string ownerName,
                           const UuidRecord& key,
                           std::optional<std::array<UuidRecord, 3>> creationIds,
                           std::vector<std::uint8_t> bytes)
    : Counted(context, "Stream", ownerName),
      ownerName_(std::move(ownerName)),
      key_(key),
      creationIds_(creationIds),
      bytes_(std::move(bytes)) {}

std::string StreamObject::operationDetails(const std::string& rest) const {
  return rest.empty() ? ownerName_ : ownerName_ + " " + rest;
}

void StreamObject::readFloat(float* out, Reserved reserved) {
  enter("Stream::readFloat", operationDetails(concat({"@", std::to_string(position_)})),
        reserved);
  if (out == nullptr) {
    context_.protocol.violation("Stream::readFloat: null output");
    return;
  }
  std::uint8_t raw[sizeof(float)] = {};
  const auto length = static_cast<std::int64_t>(bytes_.size());
  for (std::int64_t i = 0; i < 4; ++i) {
    if (position_ + i < length) raw[i] = bytes_[static_cast<std::size_t>(position_ + i)];
  }
  if (position_ + 4 > length) ++readsPastEnd_;
  std::memcpy(out, raw, sizeof raw);
  position_ += 4;
}

void StreamObject::writeFloat(const float* value, Reserved reserved) {
  enter("Stream::writeFloat",
        operationDetails(value != nullptr
                             ? formatNumber(*value) + " @" + std::to_string(position_)
                             : "(null)"),
        reserved);
  if (value == nullptr) {
    context_.protocol.violation("Stream::writeFloat: null value");
    return;
  }
  const std::int64_t end = position_ + 4;
  if (end > kMaxStreamBytes) {
    context_.protocol.violation("Stream::writeFloat: write at " +
                                std::to_string(position_) +
                                " beyond the stand-in's limit");
    return;
  }
  if (end > static_cast<std::int64_t>(bytes_.size())) {
    bytes_.resize(static_cast<std::size_t>(end), 0);
  }
  std::memcpy(bytes_.data() + position_, value, sizeof(float));
  position_ = end;
}

void StreamObject::seek(int position, Reserved reserved) {
  enter("Stream::seek", operationDetails(std::to_string(position)), reserved);
  if (position < 0) {
    context_.protocol.violation("Stream::seek: negative position " +
                                std::to_string(position));
    position = 0;
  }
  position_ = position;
}

int StreamObject::size(Reserved reserved) {
  enter("Stream::size", ownerName_, reserved);
  return static_cast<int>(bytes_.size());
}

std::vector<float> StreamObject::floats() const {
  std::vector<float> values(bytes_.size() / sizeof(float));
  if (!values.empty())
    std::memcpy(values.data(), bytes_.data(), values.size() * sizeof(float));
  return values;
}

void StreamObject::setFloats(const std::vector<float>& values) {
  bytes_.assign(values.size() * sizeof(float), 0);
  if (!values.empty()) std::memcpy(bytes_.data(), values.data(), bytes_.size());
}

}  // namespace jolvent::standin
