#include "plugin/discovery.h"

#include <gtest/gtest.h>

#include "editing/edit_state.h"
#include "plugin/identifiers.h"
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
  EXPECT_EQ(componentName(PluginInterfaceId, 1, host.appInterface()), nullptr);
  EXPECT_EQ(editState().hostApp, host.appInterface());

  standin::StandInHost other;
  EXPECT_STREQ(componentName(AttributeInterfaceId, 0, other.appInterface()),
               "Clear Jolvent Attribute");
  EXPECT_EQ(editState().hostApp, host.appInterface()) << "the attribute stores nothing";
}

TEST_F(Discovery, NamesAskTheApplicationForItsLanguage) {
  host.app().setJapaneseUi(true);
  componentName(PluginInterfaceId, 0, host.appInterface());
  componentName(AttributeInterfaceId, 0, host.appInterface());
  EXPECT_EQ(host.journal().count("HostApp::isJapaneseUi"), 2U);
  EXPECT_EQ(host.problems(), "");
}

TEST_F(Discovery, WithoutAnApplicationTheNamesAreEnglish) {
  EXPECT_STREQ(componentName(PluginInterfaceId, 0, nullptr), "Jolvent...");
  EXPECT_STREQ(componentName(AttributeInterfaceId, 0, nullptr), "Clear Jolvent Attribute");
}

}  // namespace
}  // namespace jolvent
