#include "xmlfile.h"
