// File access for the reader and the writer, with UTF-8 paths on both systems.
#include "workbench/gltf/gltf_internal.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace jolvent::workbench::gltf {

namespace {

std::string systemReason(int error) {
  return error != 0 ? std::generic_category().message(error) : "unknown failure";
}

bool fileExists(const std::string& path, void*) {
  std::error_code ec;
  return std::filesystem::is_regular_file(fsPath(path), ec);
}

std::string expandPath(const std::string& path, void*) {
  return path;
}

bool readWholeFile(std::vector<unsigned char>* out, std::string* err,
                   const std::string& path, void*) {
  const std::string reason = readFile(fsPath(path), *out);
  if (reason.empty()) return true;
  if (err != nullptr) *err += path + ": " + reason + "\n";
  return false;
}

bool refuseWrite(std::string* err, const std::string&, const std::vector<unsigned char>&,
                 void*) {
  if (err != nullptr) *err += "writing is not done through the reader\n";
  return false;
}

}  // namespace

std::filesystem::path fsPath(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string utf8Of(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

std::string lowerExtension(const std::string& path) {
  std::string extension = utf8Of(fsPath(path).extension());
  for (char& c : extension) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return extension;
}

std::string readFile(const std::filesystem::path& path,
                     std::vector<unsigned char>& bytes) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return "it is a folder";
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) return systemReason(errno);
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) return "reading failed";
  return {};
}

std::string writeReplacing(const std::string& path, const std::string& bytes) {
  const std::filesystem::path target = fsPath(path);
  std::filesystem::path temporary = target;
  temporary += ".saving";
  {
    errno = 0;
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return path + ": cannot be written (" + systemReason(errno) + ")";
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      return path + ": writing failed (" + systemReason(errno) + ")";
    }
  }
  std::error_code ec;
  std::filesystem::rename(temporary, target, ec);
  if (ec) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return path + ": cannot be replaced (" + ec.message() + ")";
  }
  return {};
}

tinygltf::TinyGLTF makeLoader() {
  tinygltf::TinyGLTF loader;
  loader.SetFsCallbacks(
      {&fileExists, &expandPath, &readWholeFile, &refuseWrite, nullptr});
  return loader;
}

}  // namespace jolvent::workbench::gltf
