// An encoder independent of the module's own byte literals: glibc's iconv
// natively, the system's code page conversion on Windows.
#pragma once

#include <string>

namespace jolvent::test {

// The UTF-8 text in code page 932; throws std::runtime_error if it cannot be
// converted.
std::string cp932(const std::string& utf8);

}  // namespace jolvent::test
