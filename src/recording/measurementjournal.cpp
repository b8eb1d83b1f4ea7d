#include "measurementjournal.h"
