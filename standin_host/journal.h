// The calls the plug-in made into the host, in order, as text.
//
// An entry is the operation, then the object it was called on (a shape's or
// stream's owner name) when there is one, then its key arguments, separated by
// single spaces: "Scene::beginLine G_Yaw", "Scene::appendPoint 10 20 30",
// "line_class::setLineColor G_Yaw 0 1 0", "Stream::Release joint1".
// Numbers are written in their shortest round-trip form.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace jolvent::standin {

class Journal {
public:
  void record(std::string entry);
  // Called with each new entry as it is recorded, before the operation has
  // any effect: a test can look at the plug-in's state at every host call.
  void setWatcher(std::function<void(const std::string& entry)> watcher) {
    watcher_ = std::move(watcher);
  }

  const std::vector<std::string>& entries() const { return entries_; }
  std::size_t size() const { return entries_.size(); }
  void clear() { entries_.clear(); }

  bool contains(std::string_view entry) const;
  // How many entries are exactly this text.
  std::size_t count(std::string_view entry) const;
  // Index of the first entry equal to entry at or after from, or npos.
  std::size_t find(std::string_view entry, std::size_t from = 0) const;
  // The entries beginning with prefix, e.g. "Scene::" or "Stream::writeFloat".
  std::vector<std::string> startingWith(std::string_view prefix) const;
  // The entries from index mark on (a mark is a size() taken earlier).
  std::vector<std::string> since(std::size_t mark) const;
  // True when the given entries occur in this order, others between allowed.
  bool containsInOrder(const std::vector<std::string>& expected) const;
  // All entries, one a line, for failure messages.
  std::string text() const;

  static constexpr std::size_t npos = static_cast<std::size_t>(-1);

private:
  std::vector<std::string> entries_;
  std::function<void(const std::string&)> watcher_;
};

}  // namespace jolvent::standin
