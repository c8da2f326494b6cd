// The fixture of the panel's scenarios: the stand-in host with its scene,
// the plug-in loaded into it, and a user at the desktop. Everything a
// scenario checks is what the host or a person could see: the scene (joints,
// streams, keys, guide, edit bracket, references), the panel's controls and
// the registry.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "host/uuid_record.h"
#include "math/quaternion.h"
#include "standin_host/standin_host.h"
#include "tests/scenarios/desktop.h"
#include "tests/scenarios/plugin_session.h"

namespace jolvent::test {

// The controls, by their ids in the dialog resources.
namespace ids {
inline constexpr int kPitchSlider = 1001, kYawSlider = 1002, kRollSlider = 1003,
                     kJointSlider = 1004;
inline constexpr int kMin = 1007, kCur = 1008, kMax = 1009;
inline constexpr int kUndo = 1010, kReset = 1011;
inline constexpr int kYawBox = 1012, kPitchBox = 1013, kRollBox = 1014, kJointBox = 1015;
inline constexpr int kAutoShade = 1016, kJointMinLabel = 1017, kJointMaxLabel = 1019;
}  // namespace ids

// Where the panel remembers its position.
inline constexpr const char* kPanelKey = "Software\\KELMARO\\Jolvent10";
// The key of the settings stored with each joint: the main component's UUID.
inline constexpr UuidRecord kSettingsKey{
    {0x7EE80734U, 0xBEB64C23U, 0xA233273EU, 0xBE61B210U}};
inline constexpr const char* kGuideName = "#Jolvent_Guide";

struct SliderState {
  int position, minimum, maximum, selectionStart, selectionEnd;
  friend bool operator==(const SliderState&, const SliderState&) = default;
};
void PrintTo(const SliderState& state, std::ostream* out);

// A rotation as its four numbers (w, x, y, z), compared exactly.
using Components = std::array<float, 4>;
inline Components components(const Quaternion& q) {
  return {q.w, q.x, q.y, q.z};
}

class PanelScenario : public ::testing::Test {
protected:
  PanelScenario();
  void TearDown() override;

  Desktop& desktop() { return session->desktop(); }
  standin::StandInScene& scene() { return host.scene(); }

  // The host: opens its scene and tells the plug-in (the panel is made), and
  // the user's selection with its notice.
  void openScene();
  void select(const std::vector<standin::Shape*>& shapes);
  // The user picks the plug-in's command in the host's menu.
  void command() { host.notifier().command(); }
  // openScene, select, command.
  void openPanelOn(const std::vector<standin::Shape*>& shapes);

  HWND panel() { return desktop().panel(); }
  HWND item(int id) { return desktop().item(panel(), id); }

  // The user drags a slider's thumb through these positions and lets go;
  // the trackbar sends TB_THUMBTRACK at each, then TB_THUMBPOSITION and
  // endTracks TB_ENDTRACK (Wine's trackbar sends two on a mouse release).
  void drag(int slider, const std::vector<int>& positions, int endTracks = 1);
  // A page step by the keyboard (TB_PAGEUP / TB_PAGEDOWN) then key-up.
  void scroll(int slider, int code, int position);
  // The user clicks into a box (it gets the focus) and types text over it.
  void type(int box, const std::string& text);
  // The user clicks a button.
  void press(int button);
  // Ctrl held down while the thumb moves: the Joint Value Setting dialog
  // opens and the steps answer it.
  void ctrlDrag(int slider, std::vector<DialogStep> steps);

  SliderState slider(int id);
  std::string text(int id) { return desktop().text(item(id)); }
  bool enabled(int id) { return desktop().enabled(item(id)); }
  // Enabled states of these controls, as a string of 1s and 0s.
  std::string enabledStates(const std::vector<int>& controls);

  // The guide parts in the scene.
  std::vector<standin::Shape*> guides() { return scene().findAllByName(kGuideName); }
  std::vector<float> storedFloats(const standin::Shape& joint);

  standin::StandInHost host;
  std::optional<PluginSession> session;
};

}  // namespace jolvent::test
