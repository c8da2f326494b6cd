#include "standin_host/journal.h"

#include <algorithm>

namespace jolvent::standin {

void Journal::record(std::string entry) {
  entries_.push_back(entry);
  if (watcher_) watcher_(entry);
}

bool Journal::contains(std::string_view entry) const {
  return find(entry) != npos;
}

std::size_t Journal::count(std::string_view entry) const {
  return static_cast<std::size_t>(std::count(entries_.begin(), entries_.end(), entry));
}

std::size_t Journal::find(std::string_view entry, std::size_t from) const {
  for (std::size_t i = from; i < entries_.size(); ++i) {
    if (entries_[i] == entry) return i;
  }
  return npos;
}

std::vector<std::string> Journal::startingWith(std::string_view prefix) const {
  std::vector<std::string> found;
  for (const std::string& entry : entries_) {
    if (std::string_view(entry).substr(0, prefix.size()) == prefix)
      found.push_back(entry);
  }
  return found;
}

std::vector<std::string> Journal::since(std::size_t mark) const {
  if (mark >= entries_.size()) return {};
  return {entries_.begin() + static_cast<std::ptrdiff_t>(mark), entries_.end()};
}

bool Journal::containsInOrder(const std::vector<std::string>& expected) const {
  std::size_t next = 0;
  for (const std::string& entry : expected) {
    const std::size_t at = find(entry, next);
    if (at == npos) return false;
    next = at + 1;
  }
  return true;
}

std::string Journal::text() const {
  std::string all;
  for (const std::string& entry : entries_) all += entry + "\n";
  return all;
}

}  // namespace jolvent::standin
