// The module as a host meets it: loaded from the built file, every export
// looked up by name, components created and driven through their tables.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "host/module_boundary.h"
#include "host/plugin_interface.h"
#include "host/uuid_record.h"
#include "plugin/module_info.h"
#include "standin_host/plugin_module.h"
#include "standin_host/standin_host.h"
#include "tests/common/cp932.h"
#include "tests/common/module_path.h"

namespace jolvent {
namespace {

constexpr UuidRecord kMainRecord{{0x7EE80734U, 0xBEB64C23U, 0xA233273EU, 0xBE61B210U}};
constexpr UuidRecord kAttributeRecord{
    {0xB172CE52U, 0x398B446AU, 0x862CD881U, 0x7C6AE356U}};
constexpr UuidRecord kZeroRecord{};

class Boundary : public ::testing::Test {
protected:
  static void SetUpTestSuite() { module = new standin::PluginModule(test::modulePath()); }
  static void TearDownTestSuite() {
    delete module;
    module = nullptr;
  }

  void TearDown() override { EXPECT_EQ(host.problems(), ""); }

  HostApp* app() { return host.appInterface(); }

  // A component created by the module; the test holds the host's reference.
  template <class Interface>
  Interface* create(const GUID& id, int index) {
    return dynamic_cast<Interface*>(module->create(id, index));
  }

  standin::StandInHost host;

  static const PluginExports& exports() { return module->exports(); }

  static inline standin::PluginModule* module = nullptr;
};

// Each identifier that differs from the plug-in interface's in one byte.
std::vector<GUID> nearMisses() {
  std::vector<GUID> ids;
  for (std::size_t byte = 0; byte < sizeof(GUID); ++byte) {
    for (unsigned delta : {1U, 2U, 0x80U}) {
      GUID id = PluginInterfaceId;
      auto* bytes = reinterpret_cast<unsigned char*>(&id);
      bytes[byte] = static_cast<unsigned char>(bytes[byte] ^ delta);
      ids.push_back(id);
    }
  }
  return ids;
}

TEST_F(Boundary, HasInterfaceCountsOneComponentForEachOfTheTwoIdentifiers) {
  EXPECT_EQ(exports().has_interface(&PluginInterfaceId), 1);
  EXPECT_EQ(exports().has_interface(&AttributeInterfaceId), 1);
  for (const GUID& id : nearMisses()) {
    const bool isAttribute = std::memcmp(&id, &AttributeInterfaceId, sizeof id) == 0;
    EXPECT_EQ(exports().has_interface(&id), isAttribute ? 1 : 0);
  }
}

TEST_F(Boundary, AnswersByIdentifierAndIndex) {
  const GUID other = nearMisses().back();
  const struct {
    const GUID* id;
    int index;
    UuidRecord uuid;
    bool resident;
    bool creates;
  } cases[] = {
      {&PluginInterfaceId, 0, kMainRecord, true, true},
      {&PluginInterfaceId, 1, kZeroRecord, false, false},
      {&PluginInterfaceId, -1, kZeroRecord, false, false},
      {&AttributeInterfaceId, 0, kAttributeRecord, false, true},
      {&AttributeInterfaceId, 5, kAttributeRecord, false, true},
      {&other, 0, kZeroRecord, false, false},
  };
  for (const auto& entry : cases) {
    SCOPED_TRACE(testing::Message() << "index " << entry.index);
    EXPECT_EQ(exports().get_uuid(entry.id, entry.index), entry.uuid);
    EXPECT_EQ(exports().is_resident(entry.id, entry.index), entry.resident);

    auto* const untouched = reinterpret_cast<unknown_interface*>(std::uintptr_t{0x5A5A});
    unknown_interface* object = untouched;
    exports().create_interface(entry.id, entry.index, &object);
    if (entry.creates) {
      ASSERT_NE(object, untouched);
      ASSERT_NE(object, nullptr);
      EXPECT_EQ(object->Release(), 0U);
    } else {
      EXPECT_EQ(object, untouched);
    }
  }
}

TEST_F(Boundary, NamesTheComponentsInTheHostsLanguage) {
  for (bool japanese : {false, true}) {
    host.app().setJapaneseUi(japanese);
    EXPECT_STREQ(exports().get_name(&PluginInterfaceId, 0, app()), "Jolvent...");
    EXPECT_STREQ(
        exports().get_name(&AttributeInterfaceId, 5, app()),
        japanese ? test::cp932("Jolvent属性クリア").c_str() : "Clear Jolvent Attribute");
    EXPECT_EQ(exports().get_name(&PluginInterfaceId, 1, app()), nullptr);
    EXPECT_EQ(exports().get_name(&nearMisses().front(), 0, app()), nullptr);
  }
}

TEST_F(Boundary, FillsTheInfoRecordButTheHostsField) {
  ModuleInfo info{};
  info.hostField = 0xDEADBEEFU;
  exports().get_info(&info);
  EXPECT_EQ(info.hostField, 0xDEADBEEFU);
  EXPECT_EQ(info.number, 430196);
  EXPECT_EQ(info.version[0], 3);
  EXPECT_EQ(info.version[1], 0);
  EXPECT_EQ(info.version[2], 0);
  EXPECT_EQ(info.version[3], 0);
  EXPECT_STREQ(info.name, "Jolvent10");
  EXPECT_STREQ(info.author, "KELMARO");
  EXPECT_STREQ(info.company, "KELMARO");
  EXPECT_EQ(std::string(info.description),
            test::cp932("ボールジョイントをスライダで操作するプラグイン"));
  EXPECT_EQ(exports().get_text_encoding(), 932);
}

TEST_F(Boundary, ComponentsCountTheirReferences) {
  for (const GUID* id : {&PluginInterfaceId, &AttributeInterfaceId}) {
    unknown_interface* object = nullptr;
    exports().create_interface(id, 0, &object);
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->AddRef(), 2U);
    EXPECT_EQ(object->AddRef(), 3U);
    EXPECT_EQ(object->Release(), 2U);
    EXPECT_EQ(object->Release(), 1U);
    void* out = &out;
    EXPECT_EQ(object->QueryInterface(PluginInterfaceId, &out), E_NOINTERFACE);
    EXPECT_EQ(out, &out);
    EXPECT_TRUE(object->isInterfaceAlive());
    // The last release frees the object (the sanitizers watch for a leak).
    EXPECT_EQ(object->Release(), 0U);
  }
}

TEST_F(Boundary, ComponentsGiveTheirConstantAnswers) {
  auto* main = create<plugin_interface>(PluginInterfaceId, 0);
  auto* attribute = create<attribute_interface>(AttributeInterfaceId, 0);
  ASSERT_NE(main, nullptr);
  ASSERT_NE(attribute, nullptr);
  for (plugin_interface* component : {main, static_cast<plugin_interface*>(attribute)}) {
    EXPECT_EQ(component->interfaceNumber(), 430286);
    EXPECT_EQ(component->echo(7, 11), 11);
    UuidRecord second{{1, 2, 3, 4}};
    EXPECT_EQ(component->secondIdentifier(&second), &second);
    EXPECT_EQ(second, kZeroRecord);
    bool flag = true;
    EXPECT_TRUE(component->flagQuery(&flag));
    EXPECT_FALSE(flag);
    component->forwardedOperation(nullptr, nullptr, 3);
  }
  UuidRecord uuid;
  EXPECT_EQ(main->componentUuid(&uuid), &uuid);
  EXPECT_EQ(uuid, kMainRecord);
  EXPECT_EQ(attribute->componentUuid(&uuid), &uuid);
  EXPECT_EQ(uuid, kAttributeRecord);
  main->Release();
  attribute->Release();
}

TEST_F(Boundary, ReservedOperationsThrowTheirInterfacesText) {
  auto* attribute = create<attribute_interface>(AttributeInterfaceId, 0);
  ASSERT_NE(attribute, nullptr);
  const auto thrownText = [](auto call) -> std::string {
    try {
      call();
    } catch (const char* text) {
      return text;
    }
    return "<nothing thrown>";
  };
  EXPECT_EQ(thrownText([&] { attribute->reserved1(); }),
            "invalid interface plugin_interface");
  EXPECT_EQ(thrownText([&] { attribute->reserved8(); }),
            "invalid interface plugin_interface");
  EXPECT_EQ(thrownText([&] { attribute->attributeReserved1(); }),
            "invalid interface attribute_interface");
  EXPECT_EQ(thrownText([&] { attribute->attributeReserved8(); }),
            "invalid interface attribute_interface");
  attribute->Release();
}

TEST_F(Boundary, AttributeOperationsAnswerInTheirOrder) {
  auto* attribute = create<attribute_interface>(AttributeInterfaceId, 0);
  ASSERT_NE(attribute, nullptr);
  EXPECT_FALSE(attribute->attributeQuery2());
  EXPECT_FALSE(attribute->attributeQuery3());
  const struct {
    void (attribute_interface::*operation)(bool*);
    bool result;
  } flags[] = {{&attribute_interface::attributeFlag4, true},
               {&attribute_interface::attributeFlag5, false},
               {&attribute_interface::attributeFlag6, false},
               {&attribute_interface::attributeFlag7, true},
               {&attribute_interface::attributeFlag16, false},
               {&attribute_interface::attributeFlag18, false}};
  for (const auto& entry : flags) {
    bool flag = !entry.result;
    (attribute->*entry.operation)(&flag);
    EXPECT_EQ(flag, entry.result);
  }
  EXPECT_EQ(attribute->attributeCount9(), 1);
  EXPECT_EQ(attribute->attributeCount10(), 0);
  AttributeResult result{false, 7};
  EXPECT_EQ(attribute->attributeResult11(&result), &result);
  EXPECT_TRUE(result.flag);
  EXPECT_EQ(result.value, 0);
  EXPECT_EQ(attribute->attributeCount12(), 1);
  EXPECT_EQ(attribute->attributeCount13(), 0);
  EXPECT_EQ(attribute->attributeCount14(), 0);
  EXPECT_EQ(attribute->attributeCount15(), 0);
  EXPECT_FALSE(attribute->attributeQuery17());
  EXPECT_FALSE(attribute->attributeQuery19());
  attribute->Release();
}

TEST_F(Boundary, NoticesLeaveTheFlagToTheComponent) {
  auto* main = create<plugin_interface>(PluginInterfaceId, 0);
  auto* attribute = create<attribute_interface>(AttributeInterfaceId, 0);
  ASSERT_NE(main, nullptr);
  ASSERT_NE(attribute, nullptr);
  // The main component's notices never write the flag; the attribute keeps
  // the interface's default, which clears it. No scene: the panel is not shown.
  const auto notices = [](plugin_interface* component, bool* flag) {
    // An empty list may come without an array: no entry is read.
    component->activeShapesNotice(flag, nullptr, 0, nullptr);
    component->jointDropNotice(flag, nullptr);
    component->refreshNotice(flag, nullptr);
    component->sceneNotice(flag, nullptr);
  };
  bool mainFlag = true;
  notices(main, &mainFlag);
  EXPECT_TRUE(mainFlag);
  bool attributeFlag = true;
  notices(attribute, &attributeFlag);
  EXPECT_FALSE(attributeFlag);
  main->Release();
  attribute->Release();
}

TEST_F(Boundary, ActiveShapeNoticeReadsOnlyTheFirstNameOfTheList) {
  auto* main = create<plugin_interface>(PluginInterfaceId, 0);
  ASSERT_NE(main, nullptr);
  standin::Shape& guide = host.scene().addPart("#Jolvent_Guide");
  standin::Shape& joint = host.scene().addBallJoint("joint1");
  shape_class* const list[] = {guide.asShapeClass(), joint.asShapeClass()};
  const struct {
    int count;
    shape_class* const* shapes;
    std::vector<std::string> calls;
  } cases[] = {
      // An empty list is a selection of nothing: there is no first name to read.
      {0, nullptr, {}},
      {0, list, {}},
      {-1, list, {}},
      {2, list, {"shape_class::name #Jolvent_Guide"}},
      {1, list + 1, {"shape_class::name joint1"}},
  };
  for (const auto& entry : cases) {
    SCOPED_TRACE(testing::Message() << "count " << entry.count);
    host.journal().clear();
    bool flag = true;
    main->activeShapesNotice(&flag, host.sceneInterface(), entry.count, entry.shapes);
    EXPECT_EQ(host.journal().entries(), entry.calls) << "the panel is hidden";
    EXPECT_TRUE(flag);
  }
  main->Release();
}

TEST_F(Boundary, ShapeNoticePassesOnlyPartsToThePartNotice) {
  standin::Shape& part = host.scene().addPart("arm");
  standin::Shape& line = host.scene().addLine("wire");
  for (const GUID* id : {&PluginInterfaceId, &AttributeInterfaceId}) {
    auto* component = create<plugin_interface>(*id, 0);
    ASSERT_NE(component, nullptr);
    host.journal().clear();
    bool flag = true;
    component->shapeNotice(&flag, line.asShapeClass(), 1, 2);
    EXPECT_TRUE(flag) << "a line is not a part";
    component->shapeNotice(&flag, part.asShapeClass(), 1, 2);
    EXPECT_FALSE(flag) << "the part notice clears the flag";
    component->shapeNotice(&flag, nullptr, 1, 2);
    // The host is asked what the shape is; its type information is not read.
    EXPECT_EQ(host.journal().entries(),
              (std::vector<std::string>{"shape_class::shapeType wire",
                                        "shape_class::shapeType arm",
                                        "shape_class::asPart arm"}));
    component->Release();
  }
}

TEST_F(Boundary, TheAttributeClearsAJointsStoredSettings) {
  standin::Shape& joint = host.scene().addBallJoint("joint1");
  const UuidRecord key = kMainRecord;
  joint.putStream(key).setFloats({-1, 1, -2, 2, -3, 3, 4, 5, 6});
  standin::Shape& bare = host.scene().addBallJoint("joint2");

  auto* attribute = create<attribute_interface>(AttributeInterfaceId, 0);
  ASSERT_NE(attribute, nullptr);
  EXPECT_FALSE(attribute->clearJointSettings(joint.asShapeClass()));
  EXPECT_FALSE(attribute->clearJointSettings(bare.asShapeClass()));
  EXPECT_FALSE(attribute->clearJointSettings(nullptr));
  attribute->Release();

  EXPECT_EQ(joint.stream(key), nullptr);
  const std::string keyText = " 7EE80734-BEB6-4C23-A233-273EBE61B210";
  EXPECT_EQ(host.journal().startingWith("shape_class::"),
            (std::vector<std::string>{"shape_class::getStream joint1" + keyText,
                                      "shape_class::deleteStream joint1" + keyText,
                                      "shape_class::getStream joint2" + keyText}));
}

TEST(PluginModule, NamesWhatIsMissing) {
#ifdef _WIN32
  const std::string noExports = "kernel32.dll";
#else
  const std::string noExports = "libm.so.6";
#endif
  const struct {
    std::string path;
    std::string message;
  } cases[] = {
      {test::modulePath() + ".missing", "cannot load " + test::modulePath() + ".missing"},
      {noExports, "missing export has_interface"},
  };
  for (const auto& entry : cases) {
    try {
      standin::PluginModule module(entry.path);
      ADD_FAILURE() << entry.path << " loaded";
    } catch (const standin::PluginLoadError& error) {
      EXPECT_EQ(std::string(error.what()).rfind(entry.message, 0), 0U) << error.what();
    }
  }
}

}  // namespace
}  // namespace jolvent
