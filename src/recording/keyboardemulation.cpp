#include "keyboardemulation.h"
