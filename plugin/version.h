// The module's version: what get_info answers and what the version
// resource says. Read by the resource compiler as well as by C++, so it holds
// preprocessor definitions only.
#pragma once

#define JOLVENT_VERSION_MAJOR 3
#define JOLVENT_VERSION_MINOR 0
#define JOLVENT_VERSION_PATCH 0
#define JOLVENT_VERSION_BUILD 0
#define JOLVENT_VERSION                                                \
  JOLVENT_VERSION_MAJOR, JOLVENT_VERSION_MINOR, JOLVENT_VERSION_PATCH, \
      JOLVENT_VERSION_BUILD
