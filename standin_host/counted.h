// IUnknown for the stand-in's objects: references are booked in the host's
// accounting, never end the object's life (the host frees everything when it
// is destroyed), and QueryInterface offers nothing.
#pragma once

#include <string>
#include <utility>

#include "platform/win32_types.h"
#include "standin_host/host_context.h"

namespace jolvent::standin {

template <class Interface>
class Counted : public Interface {
public:
  Counted(const Counted&) = delete;
  Counted& operator=(const Counted&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override {
    context_.journal.record(
        journalEntry(record_.interfaceName + "::QueryInterface", record_.label));
    if (object != nullptr) *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override {
    context_.journal.record(
        journalEntry(record_.interfaceName + "::AddRef", record_.label));
    return static_cast<ULONG>(context_.accounting.addRef(record_));
  }
  ULONG STDMETHODCALLTYPE Release() override {
    context_.journal.record(
        journalEntry(record_.interfaceName + "::Release", record_.label));
    const long refusedBefore = record_.overReleases;
    const auto count = static_cast<ULONG>(context_.accounting.release(record_));
    if (record_.overReleases != refusedBefore) {
      context_.protocol.violation(record_.title() +
                                  ": released more often than handed out");
    }
    return count;
  }

  // Books one counted reference for a result and returns the object.
  Interface* handOut() {
    context_.accounting.handOut(record_);
    return this;
  }
  const RefRecord& references() const { return record_; }

protected:
  Counted(HostContext& context, std::string interfaceName, std::string label)
      : context_(context),
        record_(context.accounting.track(std::move(interfaceName), std::move(label))) {}
  ~Counted() = default;

  HostContext& context_;
  RefRecord& record_;
};

}  // namespace jolvent::standin
