#pragma once

#include <QString>

// The simulator's console output: English, for the developer running it. Everything goes to stderr so that
// stdout carries only what scripts read.
namespace SimLog {

void setVerbose(bool verbose);
bool verbose();

// Always shown: state changes and problems.
void note(const QString &line);
// Shown with --verbose only: every frame in and out.
void trace(const QString &line);

} // namespace SimLog
