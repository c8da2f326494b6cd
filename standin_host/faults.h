// Failure injection: a host operation told to fail throws a text exception
// (a const char*) when its turn comes, before it has any effect, so nothing is
// handed out by a call that throws. AddRef, Release and QueryInterface never
// fail: the plug-in releases from destructors.
#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace jolvent::standin {

class FaultPlan {
public:
  // The next call of operation ("Scene::getStream"-style name) throws text,
  // or a default text naming the operation. Unknown names throw
  // std::invalid_argument, so a misspelt name cannot pass silently.
  void failNext(std::string_view operation, std::string text = {});
  // The nth call from now (1 is the next) throws.
  void failOnCall(std::string_view operation, int nth, std::string text = {});

  // Called by every host operation; throws when a fault is due.
  void maybeThrow(std::string_view operation);

  // Operations still armed, one entry per armed fault.
  std::vector<std::string> pending() const;
  int thrownCount() const { return static_cast<int>(thrown_.size()); }
  void clear() { armed_.clear(); }

private:
  struct Armed {
    std::string operation;
    int remaining = 0;
    std::string text;
  };
  std::vector<Armed> armed_;
  // Texts already thrown; kept so the thrown pointers stay valid.
  std::deque<std::string> thrown_;
};

}  // namespace jolvent::standin
