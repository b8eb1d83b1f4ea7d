// The lines keyboard (HID) instruments type: digits, a sign, a point or a comma, ended by Enter.
#include "fuzzsupport.h"

#include "links/hid/instrumentline.h"

#include <QString>

#include <cmath>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::silenceQt();
    return 0;
}

// Input: the instrument's decimals, then the typed text as UTF-8.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const int decimals = int(data[0] % 12) - 2;
    const QString line = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));

    double value = -777.5;
    if (!parseInstrumentLine(line, decimals, value)) {
        FUZZ_ASSERT(value == -777.5);
        return 0;
    }
    // A reading is a finite number, never a negative zero, negative only when typed with a minus.
    FUZZ_ASSERT(std::isfinite(value));
    FUZZ_ASSERT(!(value == 0.0 && std::signbit(value)));
    const QString text = line.trimmed();
    if (value < 0.0)
        FUZZ_ASSERT(text.startsWith(QLatin1Char('-')));
    for (const QChar c : text) {
        FUZZ_ASSERT(c == QLatin1Char('-') || c == QLatin1Char('.') || c == QLatin1Char(',') ||
                    (c >= QLatin1Char('0') && c <= QLatin1Char('9')));
    }
    return 0;
}
