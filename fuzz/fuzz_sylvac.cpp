// Sylvac instruments, on their data cable and over Bluetooth: the line splitter that takes their text in
// chunks, the value and unit line parsers, and the judgement of one cable polling cycle.
#include "fuzzsupport.h"

#include "links/ble/bleprotocol.h"
#include "links/sylvac/sylvaccycle.h"

#include <cmath>

using FuzzSupport::Reader;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::silenceQt();
    return 0;
}

// Input: the lines the program asked for this cycle, then chunks as [length][bytes].
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Reader in(data, size);
    const int expectedLines = in.byte() % 4;
    QByteArray buffer;
    QStringList lines;
    while (!in.atEnd()) {
        const QByteArray chunk = in.bytes(in.byte());
        const QStringList got = splitSylvacLines(buffer, chunk);
        // An instrument that never ends a line cannot grow the buffer.
        FUZZ_ASSERT(buffer.size() <= SylvacLineBufferLimit);
        FUZZ_ASSERT(!buffer.contains('\r'));
        for (const QString &line : got) {
            FUZZ_ASSERT(!line.isEmpty());
            FUZZ_ASSERT(line == line.trimmed());
            FUZZ_ASSERT(!line.contains(QLatin1Char('\r')));
        }
        lines += got;

        // The log's view of the bytes is printable.
        const QString printable = sylvacPrintable(chunk);
        for (const QChar c : printable)
            FUZZ_ASSERT(c.unicode() >= 0x20 && c.unicode() <= 0x7E);
    }

    for (const QString &line : lines) {
        BleReading reading;
        reading.value = -777.5;
        if (parseSylvacValueLine(line, reading)) {
            FUZZ_ASSERT(std::isfinite(reading.value));
            FUZZ_ASSERT(reading.sentByButton);
        } else {
            FUZZ_ASSERT(reading.value == -777.5 && !reading.sentByButton);
        }
        // Only a unit line may change the unit.
        bool isInch = false;
        if (!parseSylvacUnitLine(line, isInch))
            FUZZ_ASSERT(!isInch);
        isInch = true;
        if (!parseSylvacUnitLine(line, isInch))
            FUZZ_ASSERT(isInch);
        FUZZ_ASSERT(sylvacDecimals(line) >= -1);
        const QString stripped = stripSylvacLine(line);
        FUZZ_ASSERT(stripped.size() <= line.size());
    }

    const SylvacCycle cycle = evaluateSylvacCycle(lines, expectedLines);
    FUZZ_ASSERT(cycle.lineCount == lines.size());
    FUZZ_ASSERT(cycle.unitLines.size() + cycle.values.size() + cycle.unrecognised.size() == lines.size());
    // At most one button press per cycle; a flood records nothing.
    FUZZ_ASSERT(cycle.presses == 0 || cycle.presses == 1);
    if (cycle.flood)
        FUZZ_ASSERT(cycle.presses == 0);
    FUZZ_ASSERT(cycle.presses <= cycle.values.size());
    for (int i = 0; i < cycle.values.size(); ++i) {
        FUZZ_ASSERT(std::isfinite(cycle.values.at(i)));
        if (cycle.isPressCandidate(i))
            FUZZ_ASSERT(cycle.presses > 0 && i == cycle.values.size() - 1);
    }
    return 0;
}
