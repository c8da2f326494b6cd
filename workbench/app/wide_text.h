// UTF-8 and the wide text the Win32 functions take.
#pragma once

#include <string>

namespace jolvent::workbench {

std::wstring wide(const std::string& utf8);
std::string utf8(const std::wstring& wide);

}  // namespace jolvent::workbench
