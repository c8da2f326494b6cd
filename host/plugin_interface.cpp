// Default bodies of the host's plug-in interfaces.
#include "host/plugin_interface.h"

#include "host/shape.h"

namespace jolvent {

namespace {
[[noreturn]] void throwInvalid(const char* text) {
  throw text;
}
constexpr const char* kInvalidPlugin = "invalid interface plugin_interface";
constexpr const char* kInvalidAttribute = "invalid interface attribute_interface";

void clearFlag(bool* flag) {
  *flag = false;
}
void raiseFlag(bool* flag) {
  *flag = true;
}
}  // namespace

// unknown_interface

HRESULT STDMETHODCALLTYPE unknown_interface::QueryInterface(REFIID, void**) {
  return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE unknown_interface::AddRef() {
  return static_cast<ULONG>(++referenceCount_);
}

ULONG STDMETHODCALLTYPE unknown_interface::Release() {
  if (--referenceCount_ == 0) {
    scalarDeletingDestructor(kFreeObject);
    return 0;
  }
  return static_cast<ULONG>(referenceCount_);
}

bool unknown_interface::isInterfaceAlive() {
  return true;
}

// plugin_interface

void plugin_interface::activeShapesNotice(bool* flag, Scene*, int, shape_class* const*) {
  clearFlag(flag);
}
bool plugin_interface::shapesChangedNotice(bool* flag, Scene*, int, shape_class* const*) {
  clearFlag(flag);
  return false;
}
void plugin_interface::jointDropNotice(bool* flag, Scene*) {
  clearFlag(flag);
}
void plugin_interface::command(HostApp*, Scene*) {}
void plugin_interface::refreshNotice(bool* flag, Scene*) {
  clearFlag(flag);
}
int plugin_interface::interfaceNumber() {
  return kPluginInterfaceNumber;
}
void plugin_interface::partNotice(bool* flag, part_class*, std::intptr_t, std::intptr_t) {
  clearFlag(flag);
}
void plugin_interface::sceneNotice(bool* flag, Scene*) {
  clearFlag(flag);
}
void plugin_interface::forwardedOperation(void*, void*, std::intptr_t) {}
std::intptr_t plugin_interface::echo(std::intptr_t, std::intptr_t second) {
  return second;
}
UuidRecord* plugin_interface::componentUuid(UuidRecord* out) {
  *out = {};
  return out;
}
UuidRecord* plugin_interface::secondIdentifier(UuidRecord* out) {
  *out = {};
  return out;
}

void plugin_interface::shapeNotice(bool* flag, shape_class* shape, std::intptr_t value1,
                                   std::intptr_t value2) {
  if (part_class* part = partOrNull(shape)) partNotice(flag, part, value1, value2);
}

bool plugin_interface::flagQuery(bool* flag) {
  clearFlag(flag);
  return true;
}

void plugin_interface::reserved1() {
  throwInvalid(kInvalidPlugin);
}
void plugin_interface::reserved2() {
  throwInvalid(kInvalidPlugin);
}
void plugin_interface::reserved3() {
  throwInvalid(kInvalidPlugin);
}
void plugin_interface::reserved4() {
  throwInvalid(kInvalidPlugin);
}
void plugin_interface::reserved5() {
  throwInvalid(kInvalidPlugin);
}
void plugin_interface::reserved6() {
  throwInvalid(kInvalidPlugin);
}
void plugin_interface::reserved7() {
  throwInvalid(kInvalidPlugin);
}
void plugin_interface::reserved8() {
  throwInvalid(kInvalidPlugin);
}

// attribute_interface

bool attribute_interface::attributeQuery2() {
  return false;
}
bool attribute_interface::attributeQuery3() {
  return false;
}
void attribute_interface::attributeFlag4(bool* flag) {
  raiseFlag(flag);
}
void attribute_interface::attributeFlag5(bool* flag) {
  clearFlag(flag);
}
void attribute_interface::attributeFlag6(bool* flag) {
  clearFlag(flag);
}
void attribute_interface::attributeFlag7(bool* flag) {
  raiseFlag(flag);
}
void attribute_interface::forwardTarget(void*, void*, std::intptr_t) {}
int attribute_interface::attributeCount9() {
  return 1;
}
int attribute_interface::attributeCount10() {
  return 0;
}
AttributeResult* attribute_interface::attributeResult11(AttributeResult* out) {
  *out = AttributeResult{};
  out->flag = true;
  return out;
}
int attribute_interface::attributeCount12() {
  return 1;
}
int attribute_interface::attributeCount13() {
  return 0;
}
int attribute_interface::attributeCount14() {
  return 0;
}
int attribute_interface::attributeCount15() {
  return 0;
}
void attribute_interface::attributeFlag16(bool* flag) {
  clearFlag(flag);
}
bool attribute_interface::attributeQuery17() {
  return false;
}
void attribute_interface::attributeFlag18(bool* flag) {
  clearFlag(flag);
}
bool attribute_interface::attributeQuery19() {
  return false;
}

void attribute_interface::attributeReserved1() {
  throwInvalid(kInvalidAttribute);
}
void attribute_interface::attributeReserved2() {
  throwInvalid(kInvalidAttribute);
}
void attribute_interface::attributeReserved3() {
  throwInvalid(kInvalidAttribute);
}
void attribute_interface::attributeReserved4() {
  throwInvalid(kInvalidAttribute);
}
void attribute_interface::attributeReserved5() {
  throwInvalid(kInvalidAttribute);
}
void attribute_interface::attributeReserved6() {
  throwInvalid(kInvalidAttribute);
}
void attribute_interface::attributeReserved7() {
  throwInvalid(kInvalidAttribute);
}
void attribute_interface::attributeReserved8() {
  throwInvalid(kInvalidAttribute);
}

}  // namespace jolvent
