// Where the build put the product, for the tests that load it as a host does.
#pragma once

#include <string>

namespace jolvent::test {

// Jolvent10.so natively; Jolvent10.dll on Windows, as a Wine drive-Z path.
std::string modulePath();

}  // namespace jolvent::test
