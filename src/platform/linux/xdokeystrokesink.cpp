#include "xdokeystrokesink.h"
