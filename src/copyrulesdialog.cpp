#include "copyrulesdialog.h"
