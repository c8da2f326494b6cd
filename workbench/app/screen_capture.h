// Screenshots of the workbench with the windows over it, and beside each a
// layout file that says where a person would look in it.
#pragma once

#include <string>

#include "workbench/app/window_state.h"

namespace jolvent::workbench {

// Writes the main window and every window of the workbench over it as
// PNG to path (ending in .png), and its layout beside it as NAME.layout:
//   slider ID ROW LEFT RIGHT MIN MAX VALUE THUMB
//                                            a panel slider's channel, its
//                                            range, its box's number and
//                                            its thumb's width
//   joint NAME X Y                           the selected joint
//   codepage N                               the ANSI code page
//   text WHERE MISSING WIDTH ROOM FACE       a text on the screen: the face
//       it is drawn in, how many of its characters the face has no glyph
//       for, its width to the end of its ink and the room its control
//       gives it (-1: not bounded)
// Throws ScriptError when a file cannot be written.
void screenshot(const WorkbenchWindow::State& state, const std::string& path);

}  // namespace jolvent::workbench
