#include "tableexporter.h"
