// Text between UTF-8 and the wide text of the Win32 functions, and the texts
// windows hold.
#pragma once

#include <windows.h>

#include <string>

namespace jolvent::workbench {

std::wstring wide(const std::string& utf8);
std::string utf8(const std::wstring& wide);

// A window's text: a control's, a window's caption.
std::wstring windowText(HWND window);
// The text in a list view's cell.
std::wstring listViewCell(HWND list, int row, int column);

}  // namespace jolvent::workbench
