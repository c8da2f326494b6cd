// What every component class shares beyond its interface's default bodies:
// the destructor slot and the component's UUID, in the tables' shape.
// [plug-in implements, host calls]
//
//   class main_component final : public component<main_component, plugin_interface> {
//   public:
//     static UuidRecord uuidRecord();
//     ...
//   };
#pragma once

#include <new>

#include "host/plugin_interface.h"
#include "host/uuid_record.h"

namespace jolvent {

template <class Final, class Interface>
class component : public Interface {
public:
  void* scalarDeletingDestructor(unsigned int flags) final {
    Final* self = static_cast<Final*>(this);
    self->~Final();
    if ((flags & kFreeObject) != 0) ::operator delete(self);
    return self;
  }

  UuidRecord* componentUuid(UuidRecord* out) final {
    *out = Final::uuidRecord();
    return out;
  }

protected:
  component() = default;
  ~component() = default;
};

}  // namespace jolvent
