#include "bitfieldwidget.h"
