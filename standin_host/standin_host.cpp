#include "standin_host/standin_host.h"

#include "standin_host/text.h"

namespace jolvent::standin {

StandInHost::StandInHost()
    : scene_(context_),
      editBracket_(context_),
      app_(context_, scene_, editBracket_),
      notifier_(context_, app_, scene_) {}

StandInHost::~StandInHost() = default;

std::string StandInHost::problems() const {
  std::string text;
  const std::string outstanding = context_.accounting.outstandingListing();
  if (!outstanding.empty()) text += concat({"references outstanding:\n", outstanding});
  for (const std::string& violation : context_.protocol.violations()) {
    text += concat({"protocol: ", violation, "\n"});
  }
  if (scene_.lineOpen()) text += "a line was left open\n";
  for (const Shape* part : scene_.openParts()) {
    text += concat({"part ", part->name(), " was left open\n"});
  }
  return text;
}

}  // namespace jolvent::standin
