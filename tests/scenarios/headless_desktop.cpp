#include "tests/scenarios/headless_desktop.h"

#include <algorithm>
#include <utility>

namespace jolvent::test {

HeadlessDesktop::HeadlessDesktop(HeadlessWindowSystem& windows) : windows_(windows) {
  windows_.setModalUser([this](HWND dialog) { actIn(dialog); });
  windows_.setMessageBoxUser([this](const HeadlessWindowSystem::MessageBoxRecord& box) {
    return answerMessageBox(box);
  });
}

HeadlessDesktop::~HeadlessDesktop() {
  windows_.setModalUser(nullptr);
  windows_.setMessageBoxUser(nullptr);
}

HWND HeadlessDesktop::panel() {
  for (HWND dialog : windows_.dialogs()) {
    const HeadlessWindowSystem::Window* window = windows_.window(dialog);
    if (!window->modal && window->proc != nullptr) return dialog;
  }
  return nullptr;
}

HWND HeadlessDesktop::item(HWND dialog, int id) {
  return windows_.item(dialog, id);
}

LRESULT HeadlessDesktop::send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return windows_.sendMessage(window, message, wParam, lParam);
}

void HeadlessDesktop::setFocus(HWND window) {
  windows_.giveFocus(window);
}
HWND HeadlessDesktop::focus() {
  return windows_.focus();
}

std::string HeadlessDesktop::text(HWND window) {
  const auto length = windows_.sendMessage(window, WM_GETTEXTLENGTH, 0, 0);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const auto copied = windows_.sendMessage(window, WM_GETTEXT, text.size(),
                                           reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(copied));
  return text;
}

bool HeadlessDesktop::enabled(HWND window) {
  return windows_.isEnabled(window);
}
bool HeadlessDesktop::visible(HWND window) {
  return windows_.isVisible(window);
}
RECT HeadlessDesktop::rect(HWND window) {
  return windows_.rect(window);
}
void HeadlessDesktop::moveWindow(HWND window, int x, int y) {
  windows_.moveWindow(window, x, y);
}

void HeadlessDesktop::setCursor(int x, int y) {
  windows_.setCursorPos(x, y);
}
void HeadlessDesktop::setControlKey(bool down) {
  windows_.setKeyDown(VK_CONTROL, down);
}
void HeadlessDesktop::elapse(int milliseconds) {
  windows_.elapse(milliseconds);
}

void HeadlessDesktop::scriptModal(std::vector<DialogStep> steps,
                                  std::vector<int> watchModalItems) {
  if (nextStep_ < steps_.size()) {
    problems_.push_back("a new script replaced " +
                        std::to_string(steps_.size() - nextStep_) + " steps not taken");
  }
  steps_ = std::move(steps);
  nextStep_ = 0;
  watched_ = std::move(watchModalItems);
}

// One step a round; the window system cancels the dialog when a round takes
// none, which is what a script that ran out asks for.
void HeadlessDesktop::actIn(HWND dialog) {
  if (std::find(seenDialogs_.begin(), seenDialogs_.end(), dialog) == seenDialogs_.end()) {
    seenDialogs_.push_back(dialog);
    ModalSeen seen{text(dialog), {}};
    for (int id : watched_) seen.texts.push_back(text(item(dialog, id)));
    modalsSeen_.push_back(std::move(seen));
  }
  if (nextStep_ >= steps_.size()) return;
  const DialogStep& step = steps_[nextStep_];
  switch (step.kind) {
    case DialogStep::Type: {
      HWND box = item(dialog, step.item);
      if (box == nullptr) {
        problems_.push_back("no box " + std::to_string(step.item) + " to type into");
        nextStep_ = steps_.size();
        return;
      }
      ++nextStep_;
      windows_.sendMessage(box, WM_SETTEXT, 0,
                           reinterpret_cast<LPARAM>(step.text.c_str()));
      return;
    }
    case DialogStep::Press:
      ++nextStep_;
      windows_.sendMessage(
          dialog, WM_COMMAND,
          MAKEWPARAM(static_cast<unsigned>(step.item), static_cast<unsigned>(BN_CLICKED)),
          reinterpret_cast<LPARAM>(item(dialog, step.item)));
      return;
    case DialogStep::PanelScroll: {
      ++nextStep_;
      HWND trackbar = item(panel(), step.item);
      windows_.sendMessage(panel(), WM_HSCROLL,
                           MAKEWPARAM(static_cast<unsigned>(step.code), 0),
                           reinterpret_cast<LPARAM>(trackbar));
      return;
    }
    case DialogStep::AnswerMessageBox:
      problems_.push_back("step " + std::to_string(nextStep_ + 1) +
                          " answers a message box, but none is open");
      nextStep_ = steps_.size();
      return;
  }
}

int HeadlessDesktop::answerMessageBox(const HeadlessWindowSystem::MessageBoxRecord& box) {
  messageBoxesSeen_.push_back({box.text, box.caption, box.type});
  if (nextStep_ < steps_.size() &&
      steps_[nextStep_].kind == DialogStep::AnswerMessageBox) {
    ++nextStep_;
  } else {
    problems_.push_back("a message box \"" + box.text + "\" the script did not expect");
  }
  return IDOK;
}

std::vector<ModalSeen> HeadlessDesktop::takeModalsSeen() {
  return std::exchange(modalsSeen_, {});
}

std::vector<MessageBoxSeen> HeadlessDesktop::takeMessageBoxesSeen() {
  return std::exchange(messageBoxesSeen_, {});
}

std::string HeadlessDesktop::problems() {
  std::string text;
  const auto add = [&text](const std::string& line) {
    if (line.empty()) return;
    if (!text.empty()) text += '\n';
    text += line;
  };
  for (const std::string& line : problems_) add(line);
  if (nextStep_ < steps_.size()) {
    add(std::to_string(steps_.size() - nextStep_) + " scripted steps not taken");
  }
  add(windows_.problems());
  return text;
}

void HeadlessDesktop::deleteKey(const char* path) {
  windows_.registry().deleteKey(path);
}

std::optional<DWORD> HeadlessDesktop::readDword(const char* path, const char* name) {
  return windows_.registry().readDword(path, name);
}

void HeadlessDesktop::writeDword(const char* path, const char* name, DWORD value) {
  windows_.registry().writeDword(path, name, value);
}

int HeadlessDesktop::systemMetric(int index) {
  return HeadlessWindowSystem::metric(index);
}

}  // namespace jolvent::test
