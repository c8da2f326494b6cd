#include "tests/common/module_path.h"

namespace jolvent::test {

std::string modulePath() {
  std::string path = JOLVENT_MODULE_PATH;
#ifdef _WIN32
  // Wine shows the Linux file system as drive Z.
  if (!path.empty() && path[0] == '/') path = "Z:" + path;
#endif
  return path;
}

}  // namespace jolvent::test
