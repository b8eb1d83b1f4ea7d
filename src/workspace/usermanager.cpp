#include "usermanager.h"
