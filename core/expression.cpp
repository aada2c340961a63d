#include "expression.h"
