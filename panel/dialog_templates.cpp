#include "panel/dialog_templates.h"

#include <initializer_list>

#include "panel/control_ids.h"
#include "panel/resources/dialog_common.h"

namespace jolvent {

namespace {

#define JOLVENT_CLASS_TRACKBAR "msctls_trackbar32"
#define JOLVENT_CLASS_EDIT "Edit"
#define JOLVENT_CLASS_BUTTON "Button"
#define JOLVENT_CLASS_STATIC "Static"
#define JOLVENT_EXTENDED_DIALOGEX true
#define JOLVENT_EXTENDED_DIALOG false

// The resource compiler cannot read control_ids.h, so the definition files
// spell each id as a number beside its name; the two must agree.
namespace ids {
using namespace control;
inline constexpr int kNoId = -1;

#define JOLVENT_DIALOG(name, id, keyword, x, y, width, height, style, exStyle, caption) \
  static_assert(name == (id));
#define JOLVENT_CONTROL(name, id, kind, text, x, y, width, height, style) \
  static_assert(name == (id));
#include "panel/resources/joint_value_dialog.def"
#include "panel/resources/panel_dialog.def"
#undef JOLVENT_DIALOG
#undef JOLVENT_CONTROL
}  // namespace ids

#define JOLVENT_DIALOG(...)
#define JOLVENT_CONTROL(name, id, kind, text, x, y, width, height, style) \
  {(id), JOLVENT_CLASS_##kind, text, (x), (y), (width), (height), (style)},

constexpr ControlTemplate kPanelControls[] = {
#include "panel/resources/panel_dialog.def"
};

constexpr ControlTemplate kJointValueControls[] = {
#include "panel/resources/joint_value_dialog.def"
};

#undef JOLVENT_DIALOG
#undef JOLVENT_CONTROL

// Everything but the controls, as one definition file's header row gives it.
struct Header {
  int id;
  bool extended;
  short x, y, width, height;
  DWORD style;
  DWORD exStyle;
  const char* caption;
};

#define JOLVENT_DIALOG(name, id, keyword, x, y, width, height, style, exStyle, caption) \
  Header {                                                                              \
    (id), JOLVENT_EXTENDED_##keyword, (x), (y), (width), (height), (style), (exStyle),  \
        caption                                                                         \
  }
#define JOLVENT_CONTROL(...)

constexpr Header kPanelHeader =
#include "panel/resources/panel_dialog.def"
    ;

constexpr Header kJointValueHeader =
#include "panel/resources/joint_value_dialog.def"
    ;

#undef JOLVENT_DIALOG
#undef JOLVENT_CONTROL

template <int N>
constexpr DialogTemplate makeTemplate(const Header& header,
                                      const ControlTemplate (&controls)[N]) {
  return {header.id,
          header.extended,
          JOLVENT_DIALOG_LANGID,
          header.style,
          header.exStyle,
          header.x,
          header.y,
          header.width,
          header.height,
          header.caption,
          JOLVENT_DIALOG_FONT_SIZE,
          JOLVENT_DIALOG_FONT_NAME,
          controls,
          N};
}

}  // namespace

const DialogTemplate kPanelDialogTemplate = makeTemplate(kPanelHeader, kPanelControls);
const DialogTemplate kJointValueDialogTemplate =
    makeTemplate(kJointValueHeader, kJointValueControls);

const DialogTemplate* findDialogTemplate(int id) {
  for (const DialogTemplate* dialog : {&kPanelDialogTemplate, &kJointValueDialogTemplate})
    if (dialog->id == id) return dialog;
  return nullptr;
}

}  // namespace jolvent
