// Delivers the host's notices to the plug-in's components. The host never
// sends one on its own: a test calls these when it wants a notice, or turns on
// an echo to have the scene answer the plug-in's own changes with one.
//
// Each notice goes to every attached component in attach order, with a flag
// byte that starts true (lastFlag tells what the last component left in it),
// and the scene borrowed (null while no scene is open). Deliveries are
// journaled as "Notice::<name> ...", between the plug-in's calls.
#pragma once

#include <vector>

#include "host/plugin_interface.h"

namespace jolvent::standin {

struct HostContext;
class Shape;
class StandInApp;
class StandInScene;

class Notifier {
public:
  Notifier(HostContext& context, StandInApp& app, StandInScene& scene);
  Notifier(const Notifier&) = delete;
  Notifier& operator=(const Notifier&) = delete;

  // Components are borrowed: whoever created them keeps and releases them.
  void attach(plugin_interface* component);
  void detach(plugin_interface* component);
  const std::vector<plugin_interface*>& components() const { return components_; }

  // activeShapesNotice with the scene's selection, or with these shapes.
  void activeShapes();
  void activeShapes(const std::vector<Shape*>& shapes);
  void shapesChanged(const std::vector<Shape*>& shapes);
  void jointDropped();
  // The user invoked the plug-in's command.
  void command();
  void refresh();
  // sceneNotice with the scene, and with null. The app's currentScene is not
  // changed: open or close the scene there as well when the test needs it.
  void sceneOpened();
  void sceneClosed();

  bool lastFlag() const { return lastFlag_; }

  // Echoes. On, setActiveShapes is answered at once (inside that call) by an
  // active-shape notice with the new selection, and JointControl::setValue
  // and setRotation by a shape-change notice naming the joint. An echo is
  // not echoed again, so a plug-in that answers a notice with the same
  // change gets exactly one nested notice.
  void setEchoActiveShapes(bool on);
  void setEchoJointChanges(bool on);

private:
  Scene* currentScene() const;
  void deliverActiveShapes(const std::vector<Shape*>& shapes);
  void deliverShapesChanged(const std::vector<Shape*>& shapes);
  static std::vector<shape_class*> objectsOf(const std::vector<Shape*>& shapes);
  void journal(const char* notice, const std::vector<Shape*>& shapes);

  HostContext& context_;
  StandInApp& app_;
  StandInScene& scene_;
  std::vector<plugin_interface*> components_;
  bool lastFlag_ = true;
  bool echoing_ = false;
};

}  // namespace jolvent::standin
