// The stand-in host: an in-memory host application with one scene, for the
// plug-in's tests and the workbench. It owns every object it hands out; all
// of them live until it is destroyed, so nothing the plug-in holds can dangle
// and nothing leaks.
//
//   StandInHost host;
//   Shape& joint = host.scene().addBallJoint("joint1", nullptr, {10, 20, 30});
//   host.scene().select({&joint});
//   ... hand host.appInterface() to the plug-in, deliver host.notifier().command() ...
//   EXPECT_EQ(host.problems(), "");   // every reference back, protocol kept
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "standin_host/app.h"
#include "standin_host/edit_bracket.h"
#include "standin_host/host_context.h"
#include "standin_host/joints.h"
#include "standin_host/motion.h"
#include "standin_host/notifier.h"
#include "standin_host/scene.h"
#include "standin_host/shape.h"
#include "standin_host/shape_objects.h"
#include "standin_host/streams.h"

namespace jolvent::standin {

class StandInHost {
public:
  StandInHost();
  ~StandInHost();
  StandInHost(const StandInHost&) = delete;
  StandInHost& operator=(const StandInHost&) = delete;

  StandInApp& app() { return app_; }
  StandInScene& scene() { return scene_; }
  EditBracket& editBracket() { return editBracket_; }
  Notifier& notifier() { return notifier_; }

  // The pointers the plug-in gets: the application borrowed, as get_name
  // receives it, and the scene borrowed, as notices pass it.
  HostApp* appInterface() { return &app_; }
  Scene* sceneInterface() { return &scene_; }

  Journal& journal() { return context_.journal; }
  FaultPlan& faults() { return context_.faults; }
  ProtocolLog& protocol() { return context_.protocol; }
  Accounting& accounting() { return context_.accounting; }

  // Shorthands.
  void failNext(std::string_view operation, std::string text = {}) {
    context_.faults.failNext(operation, std::move(text));
  }
  long outstandingReferences() const {
    return context_.accounting.outstandingReferences();
  }
  std::string outstandingListing() const {
    return context_.accounting.outstandingListing();
  }
  const std::vector<std::string>& protocolViolations() const {
    return context_.protocol.violations();
  }
  const std::vector<std::string>& overReleases() const {
    return context_.accounting.overReleases();
  }

  // What a well-behaved plug-in leaves clean, as text: references still out,
  // over-releases, protocol violations, a line or part left open. "" when
  // all is clean.
  std::string problems() const;

private:
  HostContext context_;  // first in, last out: every object reports to it
  StandInScene scene_;
  EditBracket editBracket_;
  StandInApp app_;
  Notifier notifier_;
};

}  // namespace jolvent::standin
