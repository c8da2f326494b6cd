// What the library's files share: file access with UTF-8 paths, the text
// forms of identifiers and bytes, and the extras that hold what glTF has no
// word for. Private to the library.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "math/quaternion.h"
#include "workbench/gltf/tinygltf_setup.h"

namespace jolvent::workbench::gltf {

using Value = tinygltf::Value;

inline constexpr const char* kExtrasKey = "jolvent";
inline constexpr const char* kGenerator = "Jolvent10 workbench";

// ---- files -----------------------------------------------------------------

std::filesystem::path fsPath(const std::string& utf8);
std::string utf8Of(const std::filesystem::path& path);
std::string lowerExtension(const std::string& path);

// Reads the whole file; "" and the bytes, or the reason it cannot be read.
std::string readFile(const std::filesystem::path& path,
                     std::vector<unsigned char>& bytes);

// Writes bytes under a temporary name beside path, then renames it into
// place: the target is either the old file or the complete new one.
std::string writeReplacing(const std::string& path, const std::string& bytes);

// A reader whose file access goes through readFile, and never writes.
tinygltf::TinyGLTF makeLoader();

// ---- stream bytes ----------------------------------------------------------

bool isBase64(const std::string& text);
// tinygltf's own base64 coding, which only its implementation declares.
std::string base64Encode(const unsigned char* bytes, unsigned int length);
std::string base64Decode(const std::string& text);

// ---- extras ----------------------------------------------------------------

Value number(float value);
Value numbers(std::initializer_list<double> values);
Value gltfQuaternion(const Quaternion& q);

// A reader of one extras object that remembers the first thing wrong with it.
class ExtrasReader {
public:
  ExtrasReader(const Value& object, std::string where, std::string& error)
      : object_(object), where_(std::move(where)), error_(error) {}

  const Value* member(const std::string& key, bool required);
  float number(const std::string& key, float fallback = 0.0F, bool required = true);
  int integer(const std::string& key, int fallback, bool required = true);
  bool boolean(const std::string& key, bool fallback, bool required = true);
  std::string text(const std::string& key);
  std::vector<double> numberArray(const std::string& key, std::optional<std::size_t> size,
                                  bool required = true);
  void fail(const std::string& what);

private:
  const Value& object_;
  std::string where_;
  std::string& error_;
};

// The object under extras.jolvent, or null when there is none.
const Value* jolventExtras(const Value& extras);

}  // namespace jolvent::workbench::gltf
