#include "valueswidget.h"
