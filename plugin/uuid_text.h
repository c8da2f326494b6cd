// UUID text to the host's four-word UuidRecord.
#pragma once

#include "host/uuid_record.h"

namespace jolvent {

// 0-15 for a hexadecimal digit of either case; any other character gives 0.
unsigned hexDigitValue(char c);

// Reads 36-character text "XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX". The hyphens
// are not read and nothing is checked: only the module's own constants come here.
UuidRecord parseUuidText(const char* text);

}  // namespace jolvent
