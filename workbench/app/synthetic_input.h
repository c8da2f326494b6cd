// Input as a user gives it, through SendInput: the windows it reaches cannot
// tell it from a person's. Positions are on the screen.
#pragma once

#include <windows.h>

#include <string>

namespace jolvent::workbench {

// A left click.
void clickAt(POINT screen);
// A left-button drag of dx pixels to the right, ending inside within.
void dragAt(POINT from, int dx, const RECT& within);
// Ctrl held with the keyboard through a left-button drag of dx pixels.
void ctrlDragAt(POINT from, int dx);
// Types text into an edit box with key input, over what it held.
void typeInto(HWND box, const std::string& text);
// Presses and releases a virtual key, times over.
void pressKey(WORD key, int times);

}  // namespace jolvent::workbench
