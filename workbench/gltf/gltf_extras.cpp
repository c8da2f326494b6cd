// Writing and reading the extras under extras.jolvent.
#include "workbench/gltf/gltf_internal.h"

#include "workbench/gltf/gltf_document.h"

namespace jolvent::workbench::gltf {

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
const Value* ExtrasReader::member(const std::string& key, bool required) {
  if (object_.IsObject() && object_.Has(key)) return &object_.Get(key);
  if (required) fail(key + " is missing");
  return nullptr;
}

float ExtrasReader::number(const std::string& key, float fallback, bool required) {
  const Value* value = member(key, required);
  if (value == nullptr) return fallback;
  if (!value->IsNumber()) return fail(key + " is not a number"), fallback;
  return static_cast<float>(value->GetNumberAsDouble());
}

int ExtrasReader::integer(const std::string& key, int fallback, bool required) {
  const Value* value = member(key, required);
  if (value == nullptr) return fallback;
  if (!value->IsInt()) return fail(key + " is not a whole number"), fallback;
  return value->GetNumberAsInt();
}

bool ExtrasReader::boolean(const std::string& key, bool fallback, bool required) {
  const Value* value = member(key, required);
  if (value == nullptr) return fallback;
  if (!value->IsBool()) return fail(key + " is not true or false"), fallback;
  return value->Get<bool>();
}

std::string ExtrasReader::text(const std::string& key) {
  const Value* value = member(key, true);
  if (value == nullptr) return {};
  if (!value->IsString()) return fail(key + " is not a text"), std::string();
  return value->Get<std::string>();
}

std::vector<double> ExtrasReader::numberArray(const std::string& key,
                                              std::optional<std::size_t> size,
                                              bool required) {
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

void ExtrasReader::fail(const std::string& what) {
  if (error_.empty()) error_ = where_ + ": " + what;
}

const Value* jolventExtras(const Value& extras) {
  if (extras.IsObject() && extras.Has(kExtrasKey)) return &extras.Get(kExtrasKey);
  return nullptr;
}

}  // namespace jolvent::workbench::gltf
