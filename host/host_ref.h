// Owner of one counted reference to a host object.
//
// Two ways in, named: adopt() takes over a reference a host call returned as
// counted; share() adds a reference to a borrowed pointer. The reference is
// released when the holder dies, on every path, exceptions included. There is
// no implicit conversion to the raw pointer; get() borrows it.
#pragma once

#include <utility>

namespace jolvent {

template <class T>
class HostRef {
public:
  HostRef() = default;

  [[nodiscard]] static HostRef adopt(T* counted) { return HostRef(counted); }
  [[nodiscard]] static HostRef share(T* borrowed) {
    if (borrowed != nullptr) borrowed->AddRef();
    return HostRef(borrowed);
  }

  HostRef(const HostRef&) = delete;
  HostRef& operator=(const HostRef&) = delete;
  HostRef(HostRef&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
  HostRef& operator=(HostRef&& other) noexcept {
    if (this != &other) {
      reset();
      object_ = std::exchange(other.object_, nullptr);
    }
    return *this;
  }
  ~HostRef() { reset(); }

  void reset() {
    if (T* object = std::exchange(object_, nullptr)) object->Release();
  }

  T* get() const { return object_; }
  T* operator->() const { return object_; }
  T& operator*() const { return *object_; }
  explicit operator bool() const { return object_ != nullptr; }

private:
  explicit HostRef(T* object) : object_(object) {}

  T* object_ = nullptr;
};

}  // namespace jolvent
