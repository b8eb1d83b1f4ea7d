#pragma once

#include <QString>

// The program's version: the project version of the top-level CMakeLists.txt, written in at configure time.
QString kovranVersion();
