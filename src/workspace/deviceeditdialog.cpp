#include "deviceeditdialog.h"
