#include "exportoptionsdialog.h"
