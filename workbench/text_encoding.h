// Showing what the module answers as UTF-8 text: its code page 932 texts
// and its UUID records.
#pragma once

#include <string>

#include "host/uuid_record.h"

namespace jolvent::workbench {

// The text converted to UTF-8; bytes that do not convert show as '?'.
std::string utf8FromCp932(const std::string& cp932);

// A name the module gave, quoted and in UTF-8, or "(none)" for null.
std::string quotedName(const char* cp932);

// The record's four words in hexadecimal: "7EE80734-BEB64C23-A233273E-BE61B210".
std::string recordWordsText(const UuidRecord& record);

}  // namespace jolvent::workbench
