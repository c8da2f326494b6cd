// The components' tables read the way a host reads them: by slot number, each
// slot called through a plain C function type with the object first and a
// record result through a second pointer. The slot numbers are this test's
// own, written from the order the host's interfaces declare; the module's
// headers only get to agree with them.
#include <gtest/gtest.h>

#include <cstdint>
#include <new>
#include <string>
#include <vector>

#include "host/module_boundary.h"
#include "host/plugin_interface.h"
#include "host/uuid_record.h"
#include "standin_host/plugin_module.h"
#include "standin_host/standin_host.h"
#include "tests/common/module_path.h"

namespace jolvent {
namespace {

// unknown_interface, then plugin_interface, then attribute_interface.
enum Slot : int {
  kQueryInterface,
  kAddRef,
  kRelease,
  kDestructor,
  kAlive,
  kActiveShapesNotice,
  kShapesChangedNotice,
  kJointDropNotice,
  kCommand,
  kRefreshNotice,
  kInterfaceNumber,
  kPartNotice,
  kSceneNotice,
  kForwardedOperation,
  kEcho,
  kComponentUuid,
  kSecondIdentifier,
  kShapeNotice,
  kFlagQuery,
  kPluginReserved1,
  kPluginReserved8 = kPluginReserved1 + 7,
  kAttribute1,  // clearJointSettings; kAttribute1 + n - 1 is the nth
  kAttributeReserved1 = kAttribute1 + 19,
  kAttributeReserved8 = kAttributeReserved1 + 7,
};

constexpr UuidRecord kMainRecord{{0x7EE80734U, 0xBEB64C23U, 0xA233273EU, 0xBE61B210U}};
constexpr UuidRecord kAttributeRecord{
    {0xB172CE52U, 0x398B446AU, 0x862CD881U, 0x7C6AE356U}};

// Calls slot of object's table as a C function taking the object first.
template <class Result, class... Args>
Result call(void* object, int slot, Args... args) {
  using Function = Result (*)(void*, Args...);
  void* const* table = *static_cast<void* const* const*>(object);
  return reinterpret_cast<Function>(table[slot])(object, args...);
}

std::string thrownText(void* object, int slot) {
  try {
    call<void>(object, slot);
  } catch (const char* text) {
    return text;
  }
  return "<nothing thrown>";
}

class SlotIndex : public ::testing::Test {
protected:
  static void SetUpTestSuite() { module = new standin::PluginModule(test::modulePath()); }
  static void TearDownTestSuite() {
    delete module;
    module = nullptr;
  }
  void TearDown() override { EXPECT_EQ(host.problems(), ""); }

  static void* create(const GUID& id) {
    unknown_interface* object = nullptr;
    module->exports().create_interface(&id, 0, &object);
    return object;
  }

  standin::StandInHost host;
  static inline standin::PluginModule* module = nullptr;
};

TEST_F(SlotIndex, UnknownInterfaceCountsQueriesAndDestroys) {
  for (const GUID* id : {&PluginInterfaceId, &AttributeInterfaceId}) {
    void* object = create(*id);
    ASSERT_NE(object, nullptr);
    void* out = &out;
    EXPECT_EQ(call<HRESULT>(object, kQueryInterface, &PluginInterfaceId, &out),
              E_NOINTERFACE);
    EXPECT_EQ(out, &out);
    EXPECT_EQ(call<ULONG>(object, kAddRef), 2U);
    EXPECT_EQ(call<ULONG>(object, kRelease), 1U);
    EXPECT_TRUE(call<bool>(object, kAlive));
    EXPECT_EQ(call<ULONG>(object, kRelease), 0U) << "and freed: the sanitizers watch";

    // The destructor slot frees only with flag 1 and answers the object.
    object = create(*id);
    EXPECT_EQ(call<void*>(object, kDestructor, 1U), object);
    object = create(*id);
    EXPECT_EQ(call<void*>(object, kDestructor, 0U), object);
    ::operator delete(object);  // a double free if the slot had freed it
  }
}

TEST_F(SlotIndex, PluginInterfaceOperationsSitInTheirSlots) {
  standin::Shape& part = host.scene().addPart("arm");
  standin::Shape& line = host.scene().addLine("wire");
  for (const GUID* id : {&PluginInterfaceId, &AttributeInterfaceId}) {
    const bool attribute = id == &AttributeInterfaceId;
    SCOPED_TRACE(attribute ? "attribute component" : "main component");
    void* object = create(*id);
    ASSERT_NE(object, nullptr);

    // The main component's notices never write the flag; the attribute's clear it.
    for (int slot : {kJointDropNotice, kRefreshNotice, kSceneNotice}) {
      bool flag = true;
      call<void>(object, slot, &flag, static_cast<Scene*>(nullptr));
      EXPECT_EQ(flag, !attribute) << "slot " << slot;
    }
    bool flag = true;
    call<void>(object, kActiveShapesNotice, &flag, static_cast<Scene*>(nullptr), 0,
               static_cast<shape_class* const*>(nullptr));
    EXPECT_EQ(flag, !attribute);
    flag = true;
    call<bool>(object, kShapesChangedNotice, &flag, static_cast<Scene*>(nullptr), 0,
               static_cast<shape_class* const*>(nullptr));
    EXPECT_EQ(flag, !attribute);
    call<void>(object, kCommand, host.appInterface(), static_cast<Scene*>(nullptr));

    EXPECT_EQ(call<int>(object, kInterfaceNumber), 430286);
    flag = true;
    call<void>(object, kPartNotice, &flag, part.asPartClass(), std::intptr_t{1},
               std::intptr_t{2});
    EXPECT_FALSE(flag);
    unsigned char sentinel[2] = {0x55, 0x55};
    call<void>(object, kForwardedOperation, static_cast<void*>(sentinel),
               static_cast<void*>(sentinel + 1), std::intptr_t{3});
    EXPECT_EQ(sentinel[0], 0x55) << "forwarded to an operation that does nothing";
    EXPECT_EQ(call<std::intptr_t>(object, kEcho, std::intptr_t{7}, std::intptr_t{11}),
              11);

    UuidRecord uuid{{1, 2, 3, 4}};
    EXPECT_EQ(call<UuidRecord*>(object, kComponentUuid, &uuid), &uuid);
    EXPECT_EQ(uuid, attribute ? kAttributeRecord : kMainRecord);
    EXPECT_EQ(call<UuidRecord*>(object, kSecondIdentifier, &uuid), &uuid);
    EXPECT_EQ(uuid, UuidRecord{});

    flag = true;
    call<void>(object, kShapeNotice, &flag, line.asShapeClass(), std::intptr_t{1},
               std::intptr_t{2});
    EXPECT_TRUE(flag) << "a line is not a part";
    call<void>(object, kShapeNotice, &flag, part.asShapeClass(), std::intptr_t{1},
               std::intptr_t{2});
    EXPECT_FALSE(flag) << "a part reaches the part notice";
    flag = true;
    EXPECT_TRUE(call<bool>(object, kFlagQuery, &flag));
    EXPECT_FALSE(flag);

    EXPECT_EQ(thrownText(object, kPluginReserved1), "invalid interface plugin_interface");
    EXPECT_EQ(thrownText(object, kPluginReserved8), "invalid interface plugin_interface");
    EXPECT_EQ(call<ULONG>(object, kRelease), 0U);
  }
}

TEST_F(SlotIndex, AttributeInterfaceOperationsFollowInTheirOrder) {
  standin::Shape& joint = host.scene().addBallJoint("joint1");
  joint.putStream(kMainRecord).setFloats({-1, 1, -2, 2, -3, 3, 4, 5, 6});
  void* object = create(AttributeInterfaceId);
  ASSERT_NE(object, nullptr);
  const auto nth = [](int n) { return kAttribute1 + n - 1; };

  EXPECT_FALSE(call<bool>(object, nth(1), joint.asShapeClass()));
  EXPECT_EQ(joint.stream(kMainRecord), nullptr) << "the settings stream is removed";
  for (int n : {2, 3, 17, 19}) EXPECT_FALSE(call<bool>(object, nth(n))) << n;
  const struct {
    int n;
    bool flagAfter;
  } flags[] = {{4, true}, {5, false}, {6, false}, {7, true}, {16, false}, {18, false}};
  for (const auto& entry : flags) {
    bool flag = !entry.flagAfter;
    call<void>(object, nth(entry.n), &flag);
    EXPECT_EQ(flag, entry.flagAfter) << entry.n;
  }
  unsigned char sentinel[2] = {0x55, 0x55};
  call<void>(object, nth(8), static_cast<void*>(sentinel),
             static_cast<void*>(sentinel + 1), std::intptr_t{3});
  EXPECT_EQ(sentinel[0], 0x55);
  const struct {
    int n;
    int answer;
  } counts[] = {{9, 1}, {10, 0}, {12, 1}, {13, 0}, {14, 0}, {15, 0}};
  for (const auto& entry : counts)
    EXPECT_EQ(call<int>(object, nth(entry.n)), entry.answer);

  AttributeResult result{false, 7};
  EXPECT_EQ(call<AttributeResult*>(object, nth(11), &result), &result);
  EXPECT_TRUE(result.flag);
  EXPECT_EQ(result.value, 0);

  EXPECT_EQ(thrownText(object, kAttributeReserved1),
            "invalid interface attribute_interface");
  EXPECT_EQ(thrownText(object, kAttributeReserved8),
            "invalid interface attribute_interface");
  EXPECT_EQ(call<ULONG>(object, kRelease), 0U);
}

}  // namespace
}  // namespace jolvent
