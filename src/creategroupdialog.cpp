#include "creategroupdialog.h"
