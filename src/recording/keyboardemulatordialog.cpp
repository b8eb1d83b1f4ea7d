#include "keyboardemulatordialog.h"
