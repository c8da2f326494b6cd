#include "math/vec3.h"
