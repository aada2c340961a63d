#include "vantrel.h"
