// tinygltf's reader and writer, compiled once for the library.
#define TINYGLTF_IMPLEMENTATION
#include "workbench/gltf/tinygltf_setup.h"

#include "workbench/gltf/gltf_internal.h"

namespace jolvent::workbench::gltf {

std::string base64Encode(const unsigned char* bytes, unsigned int length) {
  return tinygltf::base64_encode(bytes, length);
}

std::string base64Decode(const std::string& text) {
  return tinygltf::base64_decode(text);
}

}  // namespace jolvent::workbench::gltf
