// A dialog template as plain data: what a dialog resource holds. The headless
// window system makes its dialogs from these; on Windows the same numbers are
// compiled into the module's resources.
#pragma once

#include "platform/win32_types.h"

namespace jolvent {

struct ControlTemplate {
  int id;                     // -1 for the statics that carry none
  const char* className;      // "msctls_trackbar32", "Edit", "Button", "Static"
  const char* text;           // code page 932
  short x, y, width, height;  // dialog units
  DWORD style;                // complete: WS_CHILD | WS_VISIBLE | ...
};

struct DialogTemplate {
  int id;
  bool extended;  // DIALOGEX rather than DIALOG
  WORD language;
  DWORD style;
  DWORD exStyle;
  short x, y, width, height;  // dialog units
  const char* caption;        // code page 932
  WORD pointSize;
  const char* fontName;  // code page 932
  const ControlTemplate* controls;
  int controlCount;
};

}  // namespace jolvent
