#include "timersettingsdialog.h"
