#include "ruleitemdialog.h"
