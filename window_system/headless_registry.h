// An in-memory HKEY_CURRENT_USER that answers as the registry functions do:
// key names case-insensitive, paths split at backslashes, a too-small buffer
// answered with ERROR_MORE_DATA and the size it needs.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32_types.h"

namespace jolvent {

class HeadlessRegistry {
public:
  LONG openKey(HKEY root, const char* path, HKEY* key);
  LONG createKey(HKEY root, const char* path, HKEY* key);
  LONG queryValue(HKEY key, const char* name, DWORD* type, BYTE* data, DWORD* size);
  LONG setValue(HKEY key, const char* name, DWORD type, const BYTE* data, DWORD size);
  LONG closeKey(HKEY key);

  // For tests, paths under HKEY_CURRENT_USER. deleteKey removes the key with
  // everything below it; handles still open on it then answer
  // ERROR_INVALID_HANDLE, a simplification of the real ERROR_KEY_DELETED.
  void deleteKey(const char* path);
  std::optional<DWORD> readDword(const char* path, const char* name) const;
  void writeDword(const char* path, const char* name, DWORD value);
  bool keyExists(const char* path) const;
  // The next count opens or creates fail with error, whatever the key.
  void failKeyOpens(int count, LONG error = ERROR_ACCESS_DENIED);
  // Keys opened or created and not closed yet.
  int openKeyCount() const { return static_cast<int>(handles_.size()); }

private:
  struct Value {
    DWORD type = 0;
    std::vector<BYTE> data;
  };
  struct Key {
    std::map<std::string, Key> subkeys;  // by lower-case name
    std::map<std::string, Value> values;
  };
  using Path = std::vector<std::string>;

  static Path split(const char* path);
  bool resolve(HKEY handle, Path* path) const;
  const Key* find(const Path& path) const;
  Key* find(const Path& path);
  LONG open(HKEY root, const char* path, bool create, HKEY* key);

  Key root_;
  std::map<HKEY, Path> handles_;
  std::uintptr_t nextHandle_ = 0x2000;
  int failingOpens_ = 0;
  LONG failure_ = ERROR_ACCESS_DENIED;
};

}  // namespace jolvent
