#include "rulerun.h"
