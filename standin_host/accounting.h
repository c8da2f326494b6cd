// Who holds counted references to the stand-in's objects.
//
// The host keeps every object it ever made alive until it is destroyed itself,
// so a Release is never the end of an object: it only moves the books. That
// lets a Release beyond the references handed out be reported instead of
// freeing memory that is still in use.
#pragma once

#include <deque>
#include <string>
#include <vector>

namespace jolvent::standin {

// The books of one object.
struct RefRecord {
  std::string interfaceName;  // e.g. "Stream"
  std::string label;          // e.g. the shape it belongs to; may be empty
  std::string face;       // which of a shape's objects, e.g. "part view"; may be empty
  long handedOut = 0;     // counted results plus AddRef calls
  long released = 0;      // accepted Release calls
  long overReleases = 0;  // Release calls refused: nothing was outstanding

  long outstanding() const { return handedOut - released; }
  // "Stream joint1", "part_class joint1 (part view)", or "Scene" without a label.
  std::string title() const;
};

class Accounting {
public:
  Accounting() = default;
  Accounting(const Accounting&) = delete;
  Accounting& operator=(const Accounting&) = delete;

  // A new object's books; the reference stays valid as long as the accounting.
  RefRecord& track(std::string interfaceName, std::string label, std::string face = {});

  void handOut(RefRecord& record) { ++record.handedOut; }
  // Both answer the count COM callers expect: the references outstanding plus
  // the host's own one.
  unsigned long addRef(RefRecord& record);
  // Refuses and reports a Release that would take the count below zero.
  unsigned long release(RefRecord& record);

  // Sum over all objects of references handed out and not given back.
  long outstandingReferences() const;
  // One line per object that still has references out, or "" when none.
  std::string outstandingListing() const;
  long handedOutTotal() const;
  long releasedTotal() const;
  // One text per refused Release, in order.
  const std::vector<std::string>& overReleases() const { return overReleases_; }
  const std::deque<RefRecord>& records() const { return records_; }

private:
  std::deque<RefRecord> records_;
  std::vector<std::string> overReleases_;
};

}  // namespace jolvent::standin
