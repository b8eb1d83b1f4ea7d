#include "device_visual.h"
