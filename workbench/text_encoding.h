// Showing what the module answers as UTF-8 text: its code page 932 texts.
#pragma once

#include <string>

namespace jolvent::workbench {

// The text converted to UTF-8; bytes that do not convert show as '?'.
std::string utf8FromCp932(const std::string& cp932);

// A name the module gave, quoted and in UTF-8, or "(none)" for null.
std::string quotedName(const char* cp932);

}  // namespace jolvent::workbench
