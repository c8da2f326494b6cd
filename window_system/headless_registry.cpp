#include "window_system/headless_registry.h"

#include <cctype>
#include <cstring>

namespace jolvent {

namespace {
std::string lowerCase(const char* text) {
  std::string result = text == nullptr ? "" : text;
  for (char& c : result) {
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return result;
}
}  // namespace

HeadlessRegistry::Path HeadlessRegistry::split(const char* path) {
  Path parts;
  if (path == nullptr) return parts;
  std::string part;
  for (const char* c = path;; ++c) {
    if (*c == '\\' || *c == '\0') {
      if (!part.empty()) parts.push_back(lowerCase(part.c_str()));
      part.clear();
      if (*c == '\0') break;
    } else {
      part += *c;
    }
  }
  return parts;
}

bool HeadlessRegistry::resolve(HKEY handle, Path* path) const {
  if (handle == HKEY_CURRENT_USER) {
    path->clear();
    return true;
  }
  auto found = handles_.find(handle);
  if (found == handles_.end() || find(found->second) == nullptr) return false;
  *path = found->second;
  return true;
}

const HeadlessRegistry::Key* HeadlessRegistry::find(const Path& path) const {
  const Key* key = &root_;
  for (const std::string& part : path) {
    auto found = key->subkeys.find(part);
    if (found == key->subkeys.end()) return nullptr;
    key = &found->second;
  }
  return key;
}

HeadlessRegistry::Key* HeadlessRegistry::find(const Path& path) {
  return const_cast<Key*>(static_cast<const HeadlessRegistry*>(this)->find(path));
}

LONG HeadlessRegistry::open(HKEY root, const char* path, bool create, HKEY* key) {
  if (key == nullptr) return ERROR_INVALID_PARAMETER;
  *key = nullptr;
  Path full;
  if (!resolve(root, &full)) return ERROR_INVALID_HANDLE;
  if (failingOpens_ > 0) {
    --failingOpens_;
    return failure_;
  }
  Key* at = find(full);
  for (const std::string& part : split(path)) {
    auto found = at->subkeys.find(part);
    if (found == at->subkeys.end()) {
      if (!create) return ERROR_FILE_NOT_FOUND;
      found = at->subkeys.emplace(part, Key{}).first;
    }
    at = &found->second;
    full.push_back(part);
  }
  *key = reinterpret_cast<HKEY>(nextHandle_);
  nextHandle_ += 0x10;
  handles_[*key] = full;
  return ERROR_SUCCESS;
}

LONG HeadlessRegistry::openKey(HKEY root, const char* path, HKEY* key) {
  return open(root, path, false, key);
}

LONG HeadlessRegistry::createKey(HKEY root, const char* path, HKEY* key) {
  return open(root, path, true, key);
}

LONG HeadlessRegistry::queryValue(HKEY handle, const char* name, DWORD* type, BYTE* data,
                                  DWORD* size) {
  Path path;
  if (!resolve(handle, &path)) return ERROR_INVALID_HANDLE;
  if (data != nullptr && size == nullptr) return ERROR_INVALID_PARAMETER;
  const Key* key = find(path);
  auto found = key->values.find(lowerCase(name));
  if (found == key->values.end()) return ERROR_FILE_NOT_FOUND;
  const Value& value = found->second;
  const auto needed = static_cast<DWORD>(value.data.size());
  if (type != nullptr) *type = value.type;
  if (size == nullptr) return ERROR_SUCCESS;
  const DWORD room = *size;
  *size = needed;
  if (data == nullptr) return ERROR_SUCCESS;
  if (room < needed) return ERROR_MORE_DATA;
  if (needed > 0) std::memcpy(data, value.data.data(), needed);
  return ERROR_SUCCESS;
}

LONG HeadlessRegistry::setValue(HKEY handle, const char* name, DWORD type,
                                const BYTE* data, DWORD size) {
  Path path;
  if (!resolve(handle, &path)) return ERROR_INVALID_HANDLE;
  if (data == nullptr && size > 0) return ERROR_INVALID_PARAMETER;
  Value& value = find(path)->values[lowerCase(name)];
  value.type = type;
  value.data.assign(data, data + size);
  return ERROR_SUCCESS;
}

LONG HeadlessRegistry::closeKey(HKEY handle) {
  if (handle == HKEY_CURRENT_USER) return ERROR_SUCCESS;
  return handles_.erase(handle) == 1 ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

void HeadlessRegistry::deleteKey(const char* path) {
  Path parts = split(path);
  if (parts.empty()) return;
  const std::string last = parts.back();
  parts.pop_back();
  if (Key* parent = find(parts)) parent->subkeys.erase(last);
}

std::optional<DWORD> HeadlessRegistry::readDword(const char* path,
                                                 const char* name) const {
  const Key* key = find(split(path));
  if (key == nullptr) return std::nullopt;
  auto found = key->values.find(lowerCase(name));
  if (found == key->values.end() || found->second.type != REG_DWORD ||
      found->second.data.size() != sizeof(DWORD)) {
    return std::nullopt;
  }
  DWORD value = 0;
  std::memcpy(&value, found->second.data.data(), sizeof value);
  return value;
}

void HeadlessRegistry::writeDword(const char* path, const char* name, DWORD value) {
  Key* key = &root_;
  for (const std::string& part : split(path)) key = &key->subkeys[part];
  Value& stored = key->values[lowerCase(name)];
  stored.type = REG_DWORD;
  stored.data.resize(sizeof value);
  std::memcpy(stored.data.data(), &value, sizeof value);
}

bool HeadlessRegistry::keyExists(const char* path) const {
  return find(split(path)) != nullptr;
}

void HeadlessRegistry::failKeyOpens(int count, LONG error) {
  failingOpens_ = count;
  failure_ = error;
}

}  // namespace jolvent
