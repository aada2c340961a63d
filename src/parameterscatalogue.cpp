// The constants description catalogue.
#include "parameters.h"
