#include "math/euler.h"
