#include "ruleeditordialog.h"
