// The recovery journal a previous run left behind: read back from its file and restored into the
// recording of the devices present now.
#include "fuzzsupport.h"

#include "recording/measurementjournal.h"
#include "recording/recordingstore.h"

#include <QDir>
#include <QFile>

#include <cmath>
#include <cstdlib>
#include <unistd.h>

namespace {

// The devices configured in this run, as the workspace names them in the journal.
const QStringList &presentKeys()
{
    static const QStringList keys = {
        MeasurementJournal::deviceKey(QStringLiteral("/dev/ttyUSB0"), 1),
        MeasurementJournal::deviceKey(QStringLiteral("/dev/ttyUSB0"), 2),
        MeasurementJournal::deviceKey(QStringLiteral("AA:BB:CC:DD:EE:FF"), 1),
    };
    return keys;
}

int indexOf(const QString &key)
{
    return int(presentKeys().indexOf(key));
}

QString keyOf(int index)
{
    return index >= 0 && index < presentKeys().size() ? presentKeys().at(index) : QString();
}

bool sameDouble(double a, double b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

// Reading the journal trims each line and its text mode drops some carriage returns inside a line and keeps
// others, so a time or a verdict that carries either (only a damaged file gives one that) may come back
// without it. Those do not count as a difference; everything else must come back as it was.
QString normalised(QString text)
{
    return text.remove(u'\r').trimmed();
}

QStringList normalised(QStringList texts)
{
    for (QString &text : texts)
        text = normalised(text);
    return texts;
}

bool sameRecords(const RecordingStore &a, const RecordingStore &b)
{
    if (a.mono().keys() != b.mono().keys() || a.snapshots().size() != b.snapshots().size())
        return false;
    for (auto it = a.mono().cbegin(); it != a.mono().cend(); ++it) {
        const MonoRecords &x = it.value();
        const MonoRecords &y = b.records(it.key());
        if (normalised(x.times) != normalised(y.times) || normalised(x.statuses) != normalised(y.statuses) ||
            x.values.size() != y.values.size())
            return false;
        for (int i = 0; i < x.values.size(); ++i) {
            if (!sameDouble(x.values.at(i), y.values.at(i)))
                return false;
        }
    }
    for (int i = 0; i < a.snapshots().size(); ++i) {
        const MultiSnapshot &x = a.snapshots().at(i);
        const MultiSnapshot &y = b.snapshots().at(i);
        if (normalised(x.time) != normalised(y.time) || x.values.size() != y.values.size())
            return false;
        for (auto xi = x.values.cbegin(), yi = y.values.cbegin(); xi != x.values.cend(); ++xi, ++yi) {
            if (xi.key() != yi.key() || !sameDouble(xi.value(), yi.value()))
                return false;
        }
    }
    return true;
}

void checkOnlyPresentDevices(const RecordingStore &store)
{
    const int present = int(presentKeys().size());
    for (auto it = store.mono().cbegin(); it != store.mono().cend(); ++it) {
        FUZZ_ASSERT(it.key() >= 0 && it.key() < present);
        const MonoRecords &records = it.value();
        FUZZ_ASSERT(records.values.size() == records.times.size());
        FUZZ_ASSERT(records.statuses.size() == records.values.size());
    }
    for (const MultiSnapshot &snap : store.snapshots()) {
        FUZZ_ASSERT(!snap.values.isEmpty());
        for (auto it = snap.values.cbegin(); it != snap.values.cend(); ++it)
            FUZZ_ASSERT(it.key() >= 0 && it.key() < present);
    }
}

void writeJournal(const QByteArray &bytes)
{
    QFile file(MeasurementJournal::filePath());
    FUZZ_ASSERT(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_ASSERT(file.write(bytes) == bytes.size());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::silenceQt();
    // A settings folder of its own, in memory where there is one.
    const QString base =
        QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    const QString folder = QDir(base).filePath(QStringLiteral("kovran-fuzz-journal-%1").arg(getpid()));
    QDir().mkpath(folder);
    qputenv("KOVRAN_SETTINGS_DIR", folder.toLocal8Bit());
    std::atexit([] { QDir(qEnvironmentVariable("KOVRAN_SETTINGS_DIR")).removeRecursively(); });
    return 0;
}

// Input: the journal file as the previous run left it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    writeJournal(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    MeasurementJournal journal;
    const QStringList lines = journal.readRecoveryLines();
    for (const QString &line : lines)
        FUZZ_ASSERT(line.startsWith(QLatin1String("M\t")) || line.startsWith(QLatin1String("S\t")));

    RecordingStore store;
    MeasurementJournal::restore(lines, store, indexOf);
    // No record for a device that is not there, and never more records than lines.
    checkOnlyPresentDevices(store);
    qsizetype restored = store.snapshots().size();
    for (const MonoRecords &records : store.mono())
        restored += records.values.size();
    FUZZ_ASSERT(restored <= lines.size());

    // The program rewrites the journal from what it restored; a crash right after must restore the same.
    const QString content = MeasurementJournal::content(store, keyOf);
    writeJournal(content.toUtf8());
    RecordingStore again;
    MeasurementJournal::restore(journal.readRecoveryLines(), again, indexOf);
    FUZZ_ASSERT(sameRecords(store, again));
    return 0;
}
