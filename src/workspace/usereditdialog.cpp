#include "usereditdialog.h"
