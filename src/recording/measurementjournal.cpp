#include "measurementjournal.h"

#include "app/settingsfolder.h"

#include <QDebug>
#include <QSaveFile>

namespace {

const QChar kTab(u'\t');

QString numberText(double value)
{
    // QString::number ignores the locale, so the separator is always a point.
    return QString::number(value, 'g', 17);
}

// Trims like QString::trimmed() but keeps trailing tabs: a mono record with an empty verdict ends in a
// tab, and dropping it would lose the fifth field and with it the record.
QString trimKeepingTabs(const QString &line)
{
    qsizetype begin = 0;
    qsizetype end = line.size();
    while (begin < end && line.at(begin).isSpace())
        ++begin;
    while (end > begin && line.at(end - 1).isSpace() && line.at(end - 1) != kTab)
        --end;
    return line.mid(begin, end - begin);
}

} // namespace

QString MeasurementJournal::filePath()
{
    return settingsFilePath(QStringLiteral("recovery_journal.log"));
}

QString MeasurementJournal::deviceKey(const QString &portName, int address)
{
    return portName + u':' + QString::number(address);
}

QString MeasurementJournal::monoRecordLine(const QString &key, const QString &time, double value,
                                           const QString &status)
{
    if (key.isEmpty())
        return {};
    return QStringList{QStringLiteral("M"), key, time, numberText(value), status}.join(kTab);
}

QString MeasurementJournal::snapshotLine(const MultiSnapshot &snap, const KeyOf &keyOf)
{
    QStringList items;
    for (auto it = snap.values.cbegin(); it != snap.values.cend(); ++it) {
        // An item without a key could never be restored.
        const QString key = keyOf(it.key());
        if (!key.isEmpty())
            items.append(key + u'=' + numberText(it.value()));
    }
    if (items.isEmpty())
        return {};
    return QStringLiteral("S") + kTab + snap.time + kTab + items.join(u'|');
}

QString MeasurementJournal::content(const RecordingStore &store, const KeyOf &keyOf)
{
    QString text;
    const QMap<int, MonoRecords> &mono = store.mono();
    for (auto it = mono.cbegin(); it != mono.cend(); ++it) {
        const QString key = keyOf(it.key());
        if (key.isEmpty())
            continue;
        const MonoRecords &records = it.value();
        const qsizetype count = qMin(records.values.size(), records.times.size());
        for (qsizetype j = 0; j < count; ++j) {
            const QString status = j < records.statuses.size() ? records.statuses.at(j) : QString();
            text += monoRecordLine(key, records.times.at(j), records.values.at(j), status) + u'\n';
        }
    }
    for (const MultiSnapshot &snap : store.snapshots()) {
        const QString line = snapshotLine(snap, keyOf);
        if (!line.isEmpty())
            text += line + u'\n';
    }
    return text;
}

void MeasurementJournal::append(const QString &line)
{
    if (!m_enabled || line.isEmpty())
        return;
    if (!m_file.isOpen()) {
        m_file.setFileName(filePath());
        // A failed open drops this line; the next append tries again.
        if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
            return;
    }
    m_file.write(line.toUtf8() + '\n');
    m_file.flush();
}

void MeasurementJournal::appendMonoRecord(const KeyOf &keyOf, int index, const QString &time, double value,
                                          const QString &status)
{
    append(monoRecordLine(keyOf(index), time, value, status));
}

void MeasurementJournal::rewrite(const RecordingStore &store, const KeyOf &keyOf)
{
    if (!m_enabled)
        return;
    // The append handle would keep writing to the replaced file; the next append reopens the new one.
    close();
    const QString text = content(store, keyOf);
    if (text.isEmpty()) {
        QFile::remove(filePath());
        return;
    }
    // A crash in the middle of a rewrite must leave either the old journal or the new one, never half.
    QSaveFile file(filePath());
    // commit() overlooks a failure of its own final flush (Qt 6.4) and would install a truncated file, so
    // flush first; an uncommitted QSaveFile discards its temporary file.
    const bool saved = file.open(QIODevice::WriteOnly | QIODevice::Text) && file.write(text.toUtf8()) >= 0 &&
                       file.flush() && file.commit();
    if (!saved)
        qWarning().noquote() << "[INFO] журнал не перезаписано:" << file.errorString();
}

QStringList MeasurementJournal::readRecoveryLines() const
{
    QStringList lines;
    QFile file(filePath());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return lines;
    while (!file.atEnd()) {
        const QString line = trimKeepingTabs(QString::fromUtf8(file.readLine()));
        if (line.startsWith(QLatin1String("M\t")) || line.startsWith(QLatin1String("S\t")))
            lines.append(line);
    }
    return lines;
}

void MeasurementJournal::close()
{
    if (m_file.isOpen())
        m_file.close();
}

void MeasurementJournal::remove()
{
    close();
    QFile::remove(filePath());
}

void MeasurementJournal::restore(const QStringList &lines, RecordingStore &store, const IndexOf &indexOf)
{
    store.beginBatch();
    for (const QString &line : lines) {
        const QStringList fields = line.split(kTab);
        if (fields.at(0) == QLatin1String("M") && fields.size() >= 5) {
            const int index = indexOf(fields.at(1));
            if (index < 0)
                continue;
            // toDouble() gives 0 for text that is not a number.
            store.appendMono(index, fields.at(3).toDouble(), fields.at(2), fields.at(4));
        } else if (fields.at(0) == QLatin1String("S") && fields.size() >= 3) {
            MultiSnapshot snap;
            snap.time = fields.at(1);
            for (const QString &item : fields.at(2).split(u'|')) {
                // The last "=" separates, so a key may itself contain one.
                const qsizetype separator = item.lastIndexOf(u'=');
                if (separator <= 0)
                    continue;
                const int index = indexOf(item.left(separator));
                if (index < 0)
                    continue;
                snap.values.insert(index, item.mid(separator + 1).toDouble());
            }
            if (!snap.values.isEmpty())
                store.appendSnapshot(snap);
        }
    }
    store.endBatch();
}
