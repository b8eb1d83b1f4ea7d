#include "recordingkeystrokesink.h"
