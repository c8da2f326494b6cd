#include "workbench/app/session.h"

#include <algorithm>
#include <cstdio>

#include "host/module_boundary.h"
#include "workbench/app/sample_figure.h"
#include "workbench/app/timeline.h"
#include "workbench/text_encoding.h"

namespace jolvent::workbench {

namespace {

void addComponents(const PluginExports& exports, standin::StandInApp& app,
                   HostApp* appInterface, const char* interfaceName, const GUID& id,
                   std::vector<PluginComponent>& components) {
  const int count = exports.has_interface(&id);
  for (int index = 0; index < count; ++index) {
    PluginComponent component;
    component.interfaceName = interfaceName;
    component.index = index;
    app.setJapaneseUi(false);
    component.englishName = quotedName(exports.get_name(&id, index, appInterface));
    app.setJapaneseUi(true);
    component.japaneseName = quotedName(exports.get_name(&id, index, appInterface));
    component.uuid = uuidText(exports.get_uuid(&id, index)).text;
    component.resident = exports.is_resident(&id, index) != 0;
    components.push_back(std::move(component));
  }
}

// The object create_interface makes for an interface id implements the
// interface of that id, so a host converts it by the id it asked for.
template <class Interface>
const GUID& interfaceIdOf();
template <>
const GUID& interfaceIdOf<plugin_interface>() {
  return PluginInterfaceId;
}
template <>
const GUID& interfaceIdOf<attribute_interface>() {
  return AttributeInterfaceId;
}

// A new component of the interface, owned from the moment it is made; null
// when the module serves none.
template <class Interface>
HostRef<Interface> createComponent(const standin::PluginModule& module, int index) {
  return HostRef<Interface>::adopt(
      static_cast<Interface*>(module.create(interfaceIdOf<Interface>(), index)));
}

}  // namespace

std::string explainLoadFailure(const std::string& path, bool fileExists,
                               const std::string& error) {
  if (!fileExists) return "The plug-in " + path + " does not exist.";
  if (error.rfind("missing export ", 0) == 0)
    return "The plug-in " + path + " lacks the export " +
           error.substr(sizeof "missing export " - 1) + ".";
  // 193 is ERROR_BAD_EXE_FORMAT: a file that is no 64-bit module.
  if (error.find("error 193") != std::string::npos ||
      error.find("invalid ELF") != std::string::npos ||
      error.find("file too short") != std::string::npos)
    return "The file " + path + " is not a plug-in module.";
  return "The plug-in " + path + " cannot be loaded (" + error + ").";
}

Session::Session(const std::string& pluginPath, bool japaneseUi) {
  module_ = std::make_unique<standin::PluginModule>(pluginPath);
  addSampleFigure(scene());
  const PluginExports& exports = module_->exports();

  ModuleInfo info{};
  exports.get_info(&info);
  auto text = [](const char* cp932) {
    return cp932 != nullptr ? utf8FromCp932(cp932) : std::string();
  };
  char version[64];
  std::snprintf(version, sizeof version, " %d.%d.%d.%d by ", info.version[0],
                info.version[1], info.version[2], info.version[3]);
  description_.module =
      text(info.name) + version + text(info.author) + " (" + text(info.company) + ")";
  description_.description = quotedName(info.description);
  description_.number = info.number;
  description_.textEncoding = exports.get_text_encoding();
  addComponents(exports, host_.app(), host_.appInterface(), "Plug-in interface",
                PluginInterfaceId, description_.components);
  addComponents(exports, host_.app(), host_.appInterface(), "Attribute interface",
                AttributeInterfaceId, description_.components);

  host_.app().setJapaneseUi(japaneseUi);
  const char* command = exports.get_name(&PluginInterfaceId, 0, host_.appInterface());
  const char* attribute =
      exports.get_name(&AttributeInterfaceId, 0, host_.appInterface());
  commandName_ = command != nullptr ? command : "Jolvent";
  attributeName_ = attribute != nullptr ? attribute : "Attribute";

  main_ = createComponent<plugin_interface>(*module_, 0);
  attribute_ = createComponent<attribute_interface>(*module_, 0);
  if (main_) host_.notifier().attach(main_.get());
  // The host answers the plug-in's own joint changes as it answers the user's.
  host_.notifier().setEchoJointChanges(true);
}

Session::~Session() {
  close();
  host_.notifier().setEchoJointChanges(false);
  if (main_) host_.notifier().detach(main_.get());
  main_.reset();
  attribute_.reset();
  module_.reset();
}

void Session::start() {
  if (open_) return;
  open_ = true;
  host_.app().openScene();
  host_.notifier().sceneOpened();
}

void Session::close() {
  if (!open_) return;
  open_ = false;
  host_.app().closeScene();
  host_.notifier().sceneClosed();
}

void Session::select(const std::vector<standin::Shape*>& shapes) {
  if (shapes == scene().selection()) return;
  scene().select(shapes);
  host_.notifier().activeShapes();
}

void Session::command() {
  host_.notifier().command();
}

void Session::attributeAction() {
  if (!attribute_) return;
  const std::vector<standin::Shape*> shapes = scene().selection();
  for (standin::Shape* shape : shapes)
    attribute_->clearJointSettings(shape->asShapeClass());
  if (!shapes.empty()) host_.notifier().shapesChanged(shapes);
}

void Session::jointDrop() {
  host_.notifier().jointDropped();
}

void Session::refresh() {
  host_.notifier().refresh();
}

void Session::setRecording(bool on) {
  recording_ = on;
  host_.app().setRecordingMotion(on);
}

void Session::setPosition(float position) {
  scene().setSequencePosition(position);
  std::vector<standin::Shape*> changed;
  for (standin::Shape* shape : scene().shapesInOrder()) {
    const std::optional<Pose> pose = evaluateMotion(shape->motion().keys(), position);
    if (!pose) continue;
    const Quaternion& now = shape->rotation();
    if (now.w == pose->rotation.w && now.x == pose->rotation.x &&
        now.y == pose->rotation.y && now.z == pose->rotation.z &&
        shape->value() == pose->value)
      continue;
    shape->setRotation(pose->rotation);
    shape->setValue(pose->value);
    changed.push_back(shape);
  }
  if (!changed.empty()) host_.notifier().shapesChanged(changed);
}

float Session::lastKeyPosition() {
  float last = 0.0F;
  for (const standin::Shape* shape : host_.scene().shapesInOrder())
    if (!shape->motion().keys().empty())
      last = std::max(last, shape->motion().keys().back().position);
  return last;
}

}  // namespace jolvent::workbench
