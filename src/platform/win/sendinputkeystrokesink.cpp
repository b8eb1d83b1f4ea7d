#include "sendinputkeystrokesink.h"
