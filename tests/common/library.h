// Loads the built plug-in the way a host does: by path, then each export by
// name (dlopen/dlsym natively, LoadLibrary/GetProcAddress on Windows).
#pragma once

#include <string>

namespace jolvent::test {

// Path of the built product, set by the build for the tests that load it.
std::string modulePath();

class Library {
public:
  explicit Library(const std::string& path);
  ~Library();
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;

  bool loaded() const { return handle_ != nullptr; }
  // Why loading failed.
  const std::string& error() const { return error_; }
  // The export with this name, or null.
  void* symbol(const char* name) const;

  // The export as a function pointer; throws std::runtime_error naming the
  // export when it is missing.
  template <class Function>
  Function* require(const char* name) const {
    return reinterpret_cast<Function*>(requireSymbol(name));
  }

private:
  void* requireSymbol(const char* name) const;

  void* handle_ = nullptr;
  std::string error_;
};

}  // namespace jolvent::test
