// The host's edit bracket: the edit window HostApp::editWindow hands out, its
// view and controller, and a record of how the plug-in used them.
//
// Protocol kept: beginEdit only right after canBeginEdit answered true, never
// while a bracket is open; endEdit only while one is open; every call with the
// host's own edit window, and only while the plug-in holds a reference to it
// (the view and controller are reached through the window).
#pragma once

#include <string>
#include <vector>

#include "host/edit_bracket.h"
#include "standin_host/counted.h"

namespace jolvent::standin {

class EditBracket;

class EditControllerObject final : public EditController {
public:
  EditControllerObject(HostContext& context, EditBracket& bracket)
      : context_(context), bracket_(bracket) {}
  ~EditControllerObject() = default;

  void endEdit(EditWindow* window) override;
  void beginEdit(EditWindow* window) override;
  bool canBeginEdit(EditWindow* window) override;

private:
  void checkWindow(const char* operation, const EditWindow* window);

  HostContext& context_;
  EditBracket& bracket_;
};

class EditViewObject final : public EditView {
public:
  EditViewObject(HostContext& context, EditBracket& bracket,
                 EditControllerObject& controller)
      : context_(context), bracket_(bracket), controller_(controller) {}
  ~EditViewObject() = default;

  EditController* editController(Reserved reserved) override;

private:
  HostContext& context_;
  EditBracket& bracket_;
  EditControllerObject& controller_;
};

class EditWindowObject final : public Counted<EditWindow> {
public:
  EditWindowObject(HostContext& context, EditViewObject& editView);
};

class EditBracket {
public:
  explicit EditBracket(HostContext& context);
  EditBracket(const EditBracket&) = delete;
  EditBracket& operator=(const EditBracket&) = delete;

  EditWindowObject& window() { return window_; }
  // Records a violation when the edit window may no longer be used.
  void checkWindowHeld(HostContext& context, const char* operation) const;

  // What canBeginEdit answers; true unless set.
  void setCanBeginEdit(bool answer) { canBeginEditAnswer_ = answer; }
  bool canBeginEditAnswer() const { return canBeginEditAnswer_; }

  int canBeginEditCalls() const { return canBeginEditCalls_; }
  int beginCount() const { return beginCount_; }
  int endCount() const { return endCount_; }
  bool isOpen() const { return open_; }
  // In order: "canBeginEdit true", "canBeginEdit false", "beginEdit", "endEdit".
  const std::vector<std::string>& log() const { return log_; }

  // For the controller.
  bool answerCanBeginEdit();
  void begin(HostContext& context);
  void end(HostContext& context);

private:
  EditControllerObject controller_;
  EditViewObject view_;
  EditWindowObject window_;
  bool canBeginEditAnswer_ = true;
  bool beginPermitted_ = false;
  bool open_ = false;
  int canBeginEditCalls_ = 0;
  int beginCount_ = 0;
  int endCount_ = 0;
  std::vector<std::string> log_;
};

}  // namespace jolvent::standin
