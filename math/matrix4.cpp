#include "math/matrix4.h"
