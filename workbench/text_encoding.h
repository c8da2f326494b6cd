// Showing the module's code page 932 texts on a UTF-8 terminal.
#pragma once

#include <string>

namespace jolvent::workbench {

// The text converted to UTF-8; bytes that do not convert show as '?'.
std::string utf8FromCp932(const std::string& cp932);

}  // namespace jolvent::workbench
