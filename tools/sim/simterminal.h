#pragma once

#include <QString>

// The pseudo-terminal under a simulated device, and the stable name the program opens it by.
namespace SimTerminal {

struct Pair
{
    int master = -1; // raw, non-blocking
    int slave = -1;  // kept open so the master never sees a hang-up while the program reopens
    QString slavePath;
};

// A raw pty pair, both ends close-on-exec; master -1 (and a warning naming `who`) when none can be had.
Pair open(const char *who);
void close(Pair &pair);

// The name contract of every simulated device: an older symlink at `linkPath` is replaced, any other file
// there is left alone (and false returned).
bool link(const QString &slavePath, const QString &linkPath);
// Removes the name, but only while it still points at `slavePath`: a newer device may have taken it over.
void unlink(const QString &linkPath, const QString &slavePath);

} // namespace SimTerminal
