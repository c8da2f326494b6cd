#include "standin_host/edit_bracket.h"

#include "standin_host/text.h"

namespace jolvent::standin {

void EditControllerObject::checkWindow(const char* operation, const EditWindow* window) {
  if (window != &bracket_.window()) {
    context_.protocol.violation(std::string(operation) +
                                ": not the edit window the host handed out");
    return;
  }
  bracket_.checkWindowHeld(context_, operation);
}

void EditControllerObject::endEdit(EditWindow* window) {
  context_.enterUnreserved("EditController::endEdit", "");
  checkWindow("EditController::endEdit", window);
  bracket_.end(context_);
}

void EditControllerObject::beginEdit(EditWindow* window) {
  context_.enterUnreserved("EditController::beginEdit", "");
  checkWindow("EditController::beginEdit", window);
  bracket_.begin(context_);
}

bool EditControllerObject::canBeginEdit(EditWindow* window) {
  context_.enterUnreserved("EditController::canBeginEdit", "");
  checkWindow("EditController::canBeginEdit", window);
  return bracket_.answerCanBeginEdit();
}

EditController* EditViewObject::editController(Reserved reserved) {
  bracket_.checkWindowHeld(context_, "EditView::editController");
  context_.enter("EditView::editController", "", reserved);
  return &controller_;
}

EditWindowObject::EditWindowObject(HostContext& context, EditViewObject& editView)
    : Counted(context, "EditWindow", "") {
  // Stand-ins for the host's own pointers: a plug-in that reads one of them
  // instead of the view gets something that is not an EditView.
  hostData[0] = this;
  hostData[1] = this;
  view = &editView;
}

EditBracket::EditBracket(HostContext& context)
    : controller_(context, *this),
      view_(context, *this, controller_),
      window_(context, view_) {}

void EditBracket::checkWindowHeld(HostContext& context, const char* operation) const {
  if (window_.callable()) return;
  context.protocol.violation(
      concat({operation, ": the edit window's last reference was released"}));
}

bool EditBracket::answerCanBeginEdit() {
  ++canBeginEditCalls_;
  beginPermitted_ = canBeginEditAnswer_;
  log_.push_back(canBeginEditAnswer_ ? "canBeginEdit true" : "canBeginEdit false");
  return canBeginEditAnswer_;
}

void EditBracket::begin(HostContext& context) {
  ++beginCount_;
  log_.push_back("beginEdit");
  if (open_) {
    context.protocol.violation("EditController::beginEdit: a bracket is already open");
  } else if (!beginPermitted_) {
    context.protocol.violation(
        "EditController::beginEdit: canBeginEdit did not answer true just before");
  }
  beginPermitted_ = false;
  open_ = true;
}

void EditBracket::end(HostContext& context) {
  ++endCount_;
  log_.push_back("endEdit");
  if (!open_) context.protocol.violation("EditController::endEdit: no bracket is open");
  open_ = false;
}

}  // namespace jolvent::standin
