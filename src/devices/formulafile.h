#pragma once

#include "devicerecord.h"

#include <QList>
#include <QString>
#include <QStringList>

// formulas.ini in the settings folder: the formula instruments, kept apart from devices_config.ini so that
// file stays exactly as it was. Each formula is stored with the instruments its letters name ("inputs":
// letter=port:address), so after a restart it reads the same instruments even if their order has changed
// in the meantime.
namespace FormulaFile {

// The formulas stored in `path`, in stored order, their letters brought to the instruments' current order
// (`instrumentKeys`: deviceKey() of each instrument, in card order); the letter of an instrument that is
// gone becomes FormulaLetters::kDeletedInput. Repeated or unusable numbers get free ones; formulas past
// the 255th are dropped. Nothing is checked beyond that: a formula that cannot be computed is kept.
QList<DeviceRecord> load(const QString &path, const QStringList &instrumentKeys);
// Rewrites the file with `formulas` in list order. False when the file could not be written.
bool save(const QString &path, const QList<DeviceRecord> &formulas, const QStringList &instrumentKeys);

} // namespace FormulaFile
