#include "tests/scenarios/scenario.h"

#include <ostream>

namespace jolvent::test {

void PrintTo(const SliderState& state, std::ostream* out) {
  *out << "{position " << state.position << ", range " << state.minimum << ".."
       << state.maximum << ", selection " << state.selectionStart << ".."
       << state.selectionEnd << "}";
}

PanelScenario::PanelScenario() {
  session.emplace(host);
  desktop().deleteKey(kPanelKey);
}

void PanelScenario::TearDown() {
  EXPECT_EQ(desktop().problems(), "");
  session.reset();
  EXPECT_EQ(host.problems(), "") << host.journal().text();
}

void PanelScenario::openScene() {
  host.app().openScene();
  host.notifier().sceneOpened();
}

void PanelScenario::select(const std::vector<standin::Shape*>& shapes) {
  scene().select(shapes);
  host.notifier().activeShapes();
}

void PanelScenario::openPanelOn(const std::vector<standin::Shape*>& shapes) {
  openScene();
  scene().select(shapes);
  command();
}

namespace {
WPARAM scrollCode(int code, int position) {
  return static_cast<WPARAM>((static_cast<unsigned>(position) & 0xFFFFU) << 16U |
                             static_cast<unsigned>(code));
}
}  // namespace

void PanelScenario::drag(int slider, const std::vector<int>& positions, int endTracks) {
  HWND trackbar = item(slider);
  const auto sender = reinterpret_cast<LPARAM>(trackbar);
  int last = 0;
  for (int position : positions) {
    desktop().send(trackbar, TBM_SETPOS, TRUE, position);
    last = static_cast<int>(desktop().send(trackbar, TBM_GETPOS, 0, 0));
    desktop().send(panel(), WM_HSCROLL, scrollCode(TB_THUMBTRACK, last), sender);
  }
  desktop().send(panel(), WM_HSCROLL, scrollCode(TB_THUMBPOSITION, last), sender);
  for (int i = 0; i < endTracks; ++i) {
    desktop().send(panel(), WM_HSCROLL, scrollCode(TB_ENDTRACK, 0), sender);
  }
}

void PanelScenario::scroll(int slider, int code, int position) {
  HWND trackbar = item(slider);
  const auto sender = reinterpret_cast<LPARAM>(trackbar);
  desktop().send(trackbar, TBM_SETPOS, TRUE, position);
  desktop().send(panel(), WM_HSCROLL, scrollCode(code, 0), sender);
  desktop().send(panel(), WM_HSCROLL, scrollCode(TB_ENDTRACK, 0), sender);
}

void PanelScenario::type(int box, const std::string& text) {
  HWND edit = item(box);
  desktop().setFocus(edit);
  desktop().send(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void PanelScenario::press(int button) {
  desktop().send(item(button), BM_CLICK, 0, 0);
}

void PanelScenario::ctrlDrag(int slider, std::vector<DialogStep> steps) {
  desktop().scriptModal(std::move(steps), {ids::kMin, ids::kCur, ids::kMax});
  desktop().setControlKey(true);
  HWND trackbar = item(slider);
  const int position = static_cast<int>(desktop().send(trackbar, TBM_GETPOS, 0, 0));
  desktop().send(panel(), WM_HSCROLL, scrollCode(TB_THUMBTRACK, position),
                 reinterpret_cast<LPARAM>(trackbar));
  desktop().setControlKey(false);
}

SliderState PanelScenario::slider(int id) {
  HWND trackbar = item(id);
  auto ask = [&](UINT message) {
    return static_cast<int>(desktop().send(trackbar, message, 0, 0));
  };
  return {ask(TBM_GETPOS), ask(TBM_GETRANGEMIN), ask(TBM_GETRANGEMAX),
          ask(TBM_GETSELSTART), ask(TBM_GETSELEND)};
}

std::string PanelScenario::enabledStates(const std::vector<int>& controls) {
  std::string states;
  for (int id : controls) states += enabled(id) ? '1' : '0';
  return states;
}

std::vector<float> PanelScenario::storedFloats(const standin::Shape& joint) {
  const standin::StreamObject* stream = joint.stream(kSettingsKey);
  return stream != nullptr ? stream->floats() : std::vector<float>{};
}

}  // namespace jolvent::test
