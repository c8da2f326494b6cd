#include "plugin/discovery.h"

#include <gtest/gtest.h>

#include "editing/edit_state.h"
#include "host/module_boundary.h"
#include "standin_host/standin_host.h"

namespace jolvent {
namespace {

class Discovery : public ::testing::Test {
protected:
  Discovery() { resetEditingState(); }
  ~Discovery() override { resetEditingState(); }

  standin::StandInHost host;
};

TEST_F(Discovery, ThePluginInterfaceRemembersTheHostApplicationWhateverTheIndex) {
  EXPECT_EQ(componentName(&PluginInterfaceId, 1, host.appInterface()), nullptr);
  EXPECT_EQ(editState().hostApp, host.appInterface());

  standin::StandInHost other;
  EXPECT_STREQ(componentName(&AttributeInterfaceId, 0, other.appInterface()),
               "Clear Jolvent Attribute");
  EXPECT_EQ(editState().hostApp, host.appInterface()) << "the attribute stores nothing";
}

TEST_F(Discovery, NamesAskTheApplicationForItsLanguage) {
  host.app().setJapaneseUi(true);
  componentName(&PluginInterfaceId, 0, host.appInterface());
  componentName(&AttributeInterfaceId, 0, host.appInterface());
  EXPECT_EQ(host.journal().count("HostApp::isJapaneseUi"), 2U);
  EXPECT_EQ(host.problems(), "");
}

TEST_F(Discovery, WithoutAnApplicationTheNamesAreEnglish) {
  EXPECT_STREQ(componentName(&PluginInterfaceId, 0, nullptr), "Jolvent...");
  EXPECT_STREQ(componentName(&AttributeInterfaceId, 0, nullptr),
               "Clear Jolvent Attribute");
}

TEST_F(Discovery, NullArgumentsAreServedByNothingAndNeverWrittenThrough) {
  EXPECT_EQ(hasInterface(nullptr), 0);
  EXPECT_EQ(componentName(nullptr, 0, host.appInterface()), nullptr);
  EXPECT_EQ(componentUuid(nullptr, 0), UuidRecord{});
  EXPECT_FALSE(isResident(nullptr, 0));
  unknown_interface* untouched = nullptr;
  createComponent(nullptr, 0, &untouched);
  EXPECT_EQ(untouched, nullptr);
  // No output: nothing is made, so nothing leaks (the sanitizers watch).
  createComponent(&PluginInterfaceId, 0, nullptr);
  getInfo(nullptr);
}

}  // namespace
}  // namespace jolvent
