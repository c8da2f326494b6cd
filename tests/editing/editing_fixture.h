// A stand-in host with the module's editing state reset around each test,
// and the headless window system in place so panel requests can be seen.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "editing/edit_state.h"
#include "editing/settings_stream.h"
#include "standin_host/standin_host.h"
#include "window_system/headless_window_system.h"
#include "window_system/window_system.h"

namespace jolvent::test {

class EditingTest : public ::testing::Test {
protected:
  EditingTest() {
    resetEditingState();
    editState().hostApp = host.appInterface();
    setWindowSystem(&windows);
  }
  ~EditingTest() override {
    setWindowSystem(nullptr);
    resetEditingState();
  }

  // Whatever a test did, the plug-in gave back every reference it obtained
  // and kept the host's calling conventions.
  void TearDown() override { EXPECT_EQ(host.problems(), "") << host.journal().text(); }

  Scene& scene() { return *host.sceneInterface(); }
  standin::StandInScene& model() { return host.scene(); }

  // A ball joint that the panel edits.
  standin::Shape& editedJoint(const char* name = "joint1") {
    standin::Shape& joint = model().addBallJoint(name);
    editState().ballJointHandle = joint.handle();
    return joint;
  }

  // The joint's settings stream as floats; empty when it has none.
  static std::vector<float> storedFloats(const standin::Shape& joint) {
    const standin::StreamObject* stream = joint.stream(kJointSettingsKey);
    return stream != nullptr ? stream->floats() : std::vector<float>{};
  }

  standin::StandInHost host;
  HeadlessWindowSystem windows;
};

}  // namespace jolvent::test
