#include "usersdialog.h"
