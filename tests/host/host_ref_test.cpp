#include "host/host_ref.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>

#include "platform/win32_types.h"

namespace jolvent {
namespace {

// Counts what the holder does to it.
class Counted final : public IUnknown {
public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void**) override {
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++references); }
  ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(--references); }

  int references = 1;  // the one a host call hands out
};

TEST(HostRef, AdoptedReferenceIsReleasedOnceWhenTheHolderDies) {
  Counted object;
  {
    auto held = HostRef<Counted>::adopt(&object);
    EXPECT_EQ(held.get(), &object);
    EXPECT_EQ(object.references, 1);
  }
  EXPECT_EQ(object.references, 0);
}

TEST(HostRef, SharedBorrowedPointerGainsAndGivesBackItsOwnReference) {
  Counted object;
  {
    auto held = HostRef<Counted>::share(&object);
    EXPECT_EQ(object.references, 2);
  }
  EXPECT_EQ(object.references, 1);
}

TEST(HostRef, NullIsHeldAndReleasedSafely) {
  auto adopted = HostRef<Counted>::adopt(nullptr);
  auto shared = HostRef<Counted>::share(nullptr);
  EXPECT_FALSE(adopted);
  EXPECT_FALSE(shared);
  adopted.reset();
}

TEST(HostRef, MovingHandsTheReferenceOverWithoutAnExtraRelease) {
  Counted first;
  Counted second;
  {
    auto a = HostRef<Counted>::adopt(&first);
    HostRef<Counted> b = std::move(a);
    EXPECT_FALSE(a);
    EXPECT_EQ(first.references, 1);
    b = HostRef<Counted>::adopt(&second);  // gives the first back
    EXPECT_EQ(first.references, 0);
    EXPECT_EQ(second.references, 1);
  }
  EXPECT_EQ(second.references, 0);
}

TEST(HostRef, ReleasesWhenAnExceptionLeavesTheScope) {
  Counted object;
  try {
    auto held = HostRef<Counted>::adopt(&object);
    throw std::runtime_error("host failure");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(object.references, 0);
}

}  // namespace
}  // namespace jolvent
