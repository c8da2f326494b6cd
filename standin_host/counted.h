// IUnknown for the stand-in's objects: references are booked in the host's
// accounting, never end the object's life (the host frees everything when it
// is destroyed), and QueryInterface offers nothing.
//
// Because nothing is freed, a call that would reach freed memory in a real
// host is caught here instead: every operation first asks whether the
// plug-in may still call the object, by its lifetime.
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "platform/win32_types.h"
#include "standin_host/host_context.h"
#include "standin_host/text.h"

namespace jolvent::standin {

// How long the plug-in may call an object.
enum class Lifetime {
  // Only while it holds a reference: once the last one handed out is given
  // back, a real host may have freed it.
  counted,
  // As long as the host keeps it (see keptByHost), and beyond that while the
  // plug-in holds a reference.
  host,
};

template <class Interface>
class Counted : public Interface {
public:
  Counted(const Counted&) = delete;
  Counted& operator=(const Counted&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override {
    const std::string operation = record_.interfaceName + "::QueryInterface";
    checkCallable(operation);
    context_.journal.record(journalEntry(operation, record_.label));
    if (object != nullptr) *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override {
    const std::string operation = record_.interfaceName + "::AddRef";
    checkCallable(operation);
    context_.journal.record(journalEntry(operation, record_.label));
    return static_cast<ULONG>(context_.accounting.addRef(record_));
  }
  // A Release with nothing outstanding is an over-release; it is not also
  // reported as a call on a lost object.
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

  // Whether the plug-in may call the object now.
  bool callable() const {
    if (record_.outstanding() > 0) return true;
    if (lifetime_ == Lifetime::host) return keptByHost();
    // Never handed out: only a test can reach it, which may.
    return record_.handedOut == 0;
  }

protected:
  Counted(HostContext& context, std::string interfaceName, std::string label,
          Lifetime lifetime = Lifetime::counted, std::string face = {})
      : context_(context),
        record_(context.accounting.track(std::move(interfaceName), std::move(label),
                                         std::move(face))),
        lifetime_(lifetime) {}
  ~Counted() = default;

  // For Lifetime::host: whether the host still keeps the object.
  virtual bool keptByHost() const { return true; }

  // Start of every operation on the object: HostContext::enter after checking
  // that the plug-in may still call it.
  void enter(std::string_view operation, std::string_view details, Reserved reserved) {
    checkCallable(operation);
    context_.enter(operation, details, reserved);
  }
  void enterUnreserved(std::string_view operation, std::string_view details) {
    checkCallable(operation);
    context_.enterUnreserved(operation, details);
  }

  // Records a violation when the plug-in may no longer call the object.
  void checkCallable(std::string_view operation) {
    if (callable()) return;
    context_.protocol.violation(
        lifetime_ == Lifetime::counted
            ? concat({record_.title(), ": ", operation,
                      " after its last reference was released"})
            : concat({record_.title(), ": ", operation,
                      " after it left the scene, with no reference held"}));
  }

  HostContext& context_;
  RefRecord& record_;

private:
  Lifetime lifetime_;
};

}  // namespace jolvent::standin
