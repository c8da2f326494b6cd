// The host's plug-in interfaces, implemented by the plug-in's components.
// [plug-in implements, host calls]
//
// Operations stand in the order of the host's tables. The host creates a
// component through create_interface, which hands it one reference, and gives
// that back with Release. Notices take a pointer to a one-byte flag of the
// host's as their first argument.
//
// The tables are laid out as the platform's compiler (Microsoft's C++ ABI)
// lays out the host's declarations, whichever compiler builds the module:
// - the virtual destructor is one slot with the platform's scalar deleting
//   destructor contract, not a C++ destructor (g++ would make it two slots);
// - a record result is written through an out-pointer that is also returned,
//   which is how the platform returns any record from a member function
//   (this first, then the buffer; the buffer's address comes back).
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/fwd.h"
#include "host/uuid_record.h"
#include "platform/win32_types.h"

namespace jolvent {

// Constant answer of interfaceNumber.
inline constexpr int kPluginInterfaceNumber = 430286;

// flags bit of scalarDeletingDestructor: free the memory after destroying.
inline constexpr unsigned int kFreeObject = 1;

// Reference-counted base of every component.
class unknown_interface : public IUnknown {
public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  // Frees the object when the count reaches 0.
  ULONG STDMETHODCALLTYPE Release() override;
  // The destructor slot: destroys the object, frees it when flags has
  // kFreeObject, and returns the object's address. A host's delete comes
  // here with kFreeObject. Implemented once, by component<> (host/component.h).
  virtual void* scalarDeletingDestructor(unsigned int flags) = 0;
  virtual bool isInterfaceAlive();

protected:
  unknown_interface() = default;
  // Not virtual: the slot above stands for it in the table.
  ~unknown_interface() = default;
  unknown_interface(const unknown_interface&) = default;
  unknown_interface& operator=(const unknown_interface&) = default;

private:
  // Plain integer: every call comes on the host's user-interface thread.
  std::int32_t referenceCount_ = 0;
};

class plugin_interface : public unknown_interface {
public:
  virtual void activeShapesNotice(bool* flag, Scene* scene, int count,
                                  shape_class* const* shapes);
  virtual bool shapesChangedNotice(bool* flag, Scene* scene, int count,
                                   shape_class* const* shapes);
  virtual void jointDropNotice(bool* flag, Scene* scene);
  virtual void command(HostApp* app, Scene* scene);
  virtual void refreshNotice(bool* flag, Scene* scene);
  virtual int interfaceNumber();
  virtual void partNotice(bool* flag, part_class* part, std::intptr_t value1,
                          std::intptr_t value2);
  // scene is null when the document goes away.
  virtual void sceneNotice(bool* flag, Scene* scene);
  virtual void forwardedOperation(void* value1, void* value2, std::intptr_t value3);
  virtual std::intptr_t echo(std::intptr_t value, std::intptr_t second);
  // Both fill *out and return out.
  virtual UuidRecord* componentUuid(UuidRecord* out);
  virtual UuidRecord* secondIdentifier(UuidRecord* out);
  // Passes a shape that is a part (partOrNull, host/shape.h) on to partNotice.
  virtual void shapeNotice(bool* flag, shape_class* shape, std::intptr_t value1,
                           std::intptr_t value2);
  virtual bool flagQuery(bool* flag);

  // Reserved by the host; calling one throws "invalid interface plugin_interface".
  virtual void reserved1();
  virtual void reserved2();
  virtual void reserved3();
  virtual void reserved4();
  virtual void reserved5();
  virtual void reserved6();
  virtual void reserved7();
  virtual void reserved8();

protected:
  ~plugin_interface() = default;
};

// What the attribute interface's eleventh operation returns.
struct AttributeResult {
  bool flag = false;
  std::int32_t value = 0;
};

static_assert(sizeof(AttributeResult) == 8 && offsetof(AttributeResult, value) == 4);

class attribute_interface : public plugin_interface {
public:
  // The attribute's action on a shape; its answer is always false.
  virtual bool clearJointSettings(shape_class* shape) = 0;
  virtual bool attributeQuery2();
  virtual bool attributeQuery3();
  virtual void attributeFlag4(bool* flag);
  virtual void attributeFlag5(bool* flag);
  virtual void attributeFlag6(bool* flag);
  virtual void attributeFlag7(bool* flag);
  // Target of plugin_interface::forwardedOperation.
  virtual void forwardTarget(void* value1, void* value2, std::intptr_t value3);
  virtual int attributeCount9();
  virtual int attributeCount10();
  // Fills *out and returns out.
  virtual AttributeResult* attributeResult11(AttributeResult* out);
  virtual int attributeCount12();
  virtual int attributeCount13();
  virtual int attributeCount14();
  virtual int attributeCount15();
  virtual void attributeFlag16(bool* flag);
  virtual bool attributeQuery17();
  virtual void attributeFlag18(bool* flag);
  virtual bool attributeQuery19();

  // Reserved by the host; calling one throws "invalid interface attribute_interface".
  virtual void attributeReserved1();
  virtual void attributeReserved2();
  virtual void attributeReserved3();
  virtual void attributeReserved4();
  virtual void attributeReserved5();
  virtual void attributeReserved6();
  virtual void attributeReserved7();
  virtual void attributeReserved8();

protected:
  ~attribute_interface() = default;
};

}  // namespace jolvent
