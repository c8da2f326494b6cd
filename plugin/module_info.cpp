#include "plugin/module_info.h"

#include "plugin/texts.h"

namespace jolvent {

void fillModuleInfo(ModuleInfo& info) {
  info.number = kModuleInfoNumber;
  for (int i = 0; i < 4; ++i) info.version[i] = kModuleVersion[i];
  info.name = text::kModuleName;
  info.author = text::kAuthor;
  info.company = text::kCompany;
  info.description = text::kDescription;
}

}  // namespace jolvent
