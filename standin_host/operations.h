// The names of the host operations, as they appear in the journal and as
// failure injection takes them: "<interface>::<operation>".
#pragma once

#include <string_view>

namespace jolvent::standin {

// Every host operation the plug-in can call, IUnknown's three excepted.
bool isKnownOperation(std::string_view operation);

}  // namespace jolvent::standin
