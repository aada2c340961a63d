#include "utilities.h"
