// The event paths of the real DLL allocate nothing on the heap: its imports
// of the C runtime's allocator are redirected to counters while a user
// drags, types and the host sends its notices. Windows only.
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "tests/scenarios/scenario.h"

namespace jolvent::test {
namespace {

using namespace ids;

int gAllocations = 0;
void* (*gMalloc)(size_t) = nullptr;
void* (*gCalloc)(size_t, size_t) = nullptr;
void* (*gRealloc)(void*, size_t) = nullptr;

void* countedMalloc(size_t size) {
  ++gAllocations;
  return gMalloc(size);
}
void* countedCalloc(size_t count, size_t size) {
  ++gAllocations;
  return gCalloc(count, size);
}
void* countedRealloc(void* block, size_t size) {
  ++gAllocations;
  return gRealloc(block, size);
}

// Points the module's import of name (from msvcrt.dll) at replacement and
// answers what it pointed at, or null when the module imports no such name.
void* redirectImport(HMODULE module, const char* name, void* replacement) {
  auto* base = reinterpret_cast<BYTE*>(module);
  auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
  auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& directory =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  for (auto* entry =
           reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
       entry->Name != 0; ++entry) {
    if (_stricmp(reinterpret_cast<const char*>(base + entry->Name), "msvcrt.dll") != 0)
      continue;
    auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + entry->OriginalFirstThunk);
    auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + entry->FirstThunk);
    for (; names->u1.AddressOfData != 0; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      auto* byName =
          reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      if (std::strcmp(reinterpret_cast<const char*>(byName->Name), name) != 0) continue;
      DWORD protection = 0;
      VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE,
                     &protection);
      void* original = reinterpret_cast<void*>(slots->u1.Function);
      slots->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
      VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, protection,
                     &protection);
      return original;
    }
  }
  return nullptr;
}

class HeapWatch : public PanelScenario {
protected:
  void SetUp() override {
    HMODULE module = GetModuleHandleW(L"Jolvent10.dll");
    ASSERT_NE(module, nullptr);
    gMalloc = reinterpret_cast<void* (*)(size_t)>(
        redirectImport(module, "malloc", reinterpret_cast<void*>(countedMalloc)));
    gCalloc = reinterpret_cast<void* (*)(size_t, size_t)>(
        redirectImport(module, "calloc", reinterpret_cast<void*>(countedCalloc)));
    gRealloc = reinterpret_cast<void* (*)(void*, size_t)>(
        redirectImport(module, "realloc", reinterpret_cast<void*>(countedRealloc)));
    ASSERT_NE(gMalloc, nullptr)
        << "the module no longer allocates through msvcrt's malloc";
    ASSERT_NE(gCalloc, nullptr);
    ASSERT_NE(gRealloc, nullptr);
  }
  void TearDown() override {
    HMODULE module = GetModuleHandleW(L"Jolvent10.dll");
    redirectImport(module, "malloc", reinterpret_cast<void*>(gMalloc));
    redirectImport(module, "calloc", reinterpret_cast<void*>(gCalloc));
    redirectImport(module, "realloc", reinterpret_cast<void*>(gRealloc));
    PanelScenario::TearDown();
  }

  // Allocations the module made while action ran.
  template <class Action>
  int allocationsOf(Action action) {
    gAllocations = 0;
    action();
    return gAllocations;
  }
};

TEST_F(HeapWatch, TheEventPathsAllocateNothingButTheActiveShapeNoticesCopyOfTheList) {
  standin::Shape& joint = scene().addBallJoint("neck");
  standin::Shape& valued = scene().addValuedJoint("jaw", 2, 0, -1, 1);
  joint.motion().setPresent(true);
  host.app().setRecordingMotion(true);
  openPanelOn({&joint});

  EXPECT_EQ(allocationsOf([&] { drag(kYawSlider, {10, 20}); }), 0) << "slider messages";
  EXPECT_EQ(allocationsOf([&] { type(kPitchBox, "200"); }), 0) << "a typed commit";
  EXPECT_EQ(allocationsOf([&] { type(kPitchBox, "x"); }), 0) << "a rejected text";
  EXPECT_EQ(allocationsOf([&] { host.notifier().refresh(); }), 0) << "a refresh";
  EXPECT_EQ(allocationsOf([&] { host.notifier().shapesChanged({&joint}); }), 0);
  EXPECT_EQ(allocationsOf([&] { host.notifier().sceneOpened(); }), 0);
  EXPECT_EQ(allocationsOf([&] { press(kUndo); }), 0);
  EXPECT_EQ(allocationsOf([&] { select({&valued}); }), 1) << "the copy of the list";
  EXPECT_EQ(allocationsOf([&] { drag(kJointSlider, {50}); }), 0);
  EXPECT_EQ(allocationsOf([&] { host.notifier().jointDropped(); }), 0);
}

}  // namespace
}  // namespace jolvent::test
