#include "rules.h"
