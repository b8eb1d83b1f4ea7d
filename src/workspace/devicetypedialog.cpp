#include "devicetypedialog.h"
