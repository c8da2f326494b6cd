#include "math/quaternion.h"
