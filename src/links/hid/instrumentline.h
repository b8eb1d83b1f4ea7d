#pragma once

class QString;

// Reads the number a keyboard instrument typed. Commas count as decimal points; digits typed without a
// point are scaled by the instrument's decimals (12345 with 2 decimals is 123.45). Returns false, leaving
// `value` untouched, for anything else than an optionally signed number.
bool parseInstrumentLine(const QString &line, int decimals, double &value);
