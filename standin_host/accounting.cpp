#include "standin_host/accounting.h"

namespace jolvent::standin {

std::string RefRecord::title() const {
  std::string text = interfaceName;
  if (!label.empty()) text += " " + label;
  if (!face.empty()) text += " (" + face + ")";
  return text;
}

RefRecord& Accounting::track(std::string interfaceName, std::string label,
                             std::string face) {
  RefRecord& record = records_.emplace_back();
  record.interfaceName = std::move(interfaceName);
  record.label = std::move(label);
  record.face = std::move(face);
  return record;
}

unsigned long Accounting::addRef(RefRecord& record) {
  ++record.handedOut;
  return static_cast<unsigned long>(record.outstanding() + 1);
}

unsigned long Accounting::release(RefRecord& record) {
  if (record.outstanding() <= 0) {
    ++record.overReleases;
    overReleases_.push_back(record.title() + ": Release with no reference outstanding (" +
                            std::to_string(record.handedOut) + " handed out)");
    return 1;
  }
  ++record.released;
  return static_cast<unsigned long>(record.outstanding() + 1);
}

long Accounting::outstandingReferences() const {
  long total = 0;
  for (const RefRecord& record : records_) total += record.outstanding();
  return total;
}

std::string Accounting::outstandingListing() const {
  std::string listing;
  for (const RefRecord& record : records_) {
    if (record.outstanding() == 0) continue;
    listing += record.title() + ": " + std::to_string(record.outstanding()) +
               " outstanding (" + std::to_string(record.handedOut) + " handed out, " +
               std::to_string(record.released) + " released)\n";
  }
  return listing;
}

long Accounting::handedOutTotal() const {
  long total = 0;
  for (const RefRecord& record : records_) total += record.handedOut;
  return total;
}

long Accounting::releasedTotal() const {
  long total = 0;
  for (const RefRecord& record : records_) total += record.released;
  return total;
}

}  // namespace jolvent::standin
