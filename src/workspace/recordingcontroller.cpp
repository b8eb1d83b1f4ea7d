#include "recordingcontroller.h"

#include "common/indexrekey.h"
#include "devices/deviceregistry.h"
#include "recording/keyboardemulation.h"

#include <QCoreApplication>
#include <QTime>
#include <QTimer>

namespace {

// Records of one second share one time text (implicitly shared), which keeps long tables small.
QString currentTimeText()
{
    static QString last;
    const QString now = QTime::currentTime().toString(QStringLiteral("hh:mm:ss"));
    if (now != last)
        last = now;
    return last;
}

} // namespace

RecordingController::RecordingController(DeviceRegistry &registry, SyncChecked syncChecked, QObject *parent)
    : QObject(parent)
    , m_registry(registry)
    , m_syncChecked(std::move(syncChecked))
    , m_store(new RecordingStore(this))
    , m_syncTimer(new QTimer(this))
{
    connect(m_syncTimer, &QTimer::timeout, this, &RecordingController::onSyncTimerTimeout);
}

// The verdicts keep the window's translation context, where they have always been.
QString RecordingController::evaluateTolerance(const DeviceRecord &record, double value)
{
    switch (record.measuringType) {
    case MeasuringMode::MinPeek:
        return QCoreApplication::translate("MeasuringSystem", "MIN");
    case MeasuringMode::MaxPeek:
        return QCoreApplication::translate("MeasuringSystem", "MAX");
    case MeasuringMode::RangePeek:
        return QCoreApplication::translate("MeasuringSystem", "RANGE");
    case MeasuringMode::ModulePeek:
        return QCoreApplication::translate("MeasuringSystem", "MODULE");
    default:
        break;
    }
    switch (judgeTolerance(value, record.measuringType, record.limitMin, record.limitMax)) {
    case ToleranceVerdict::Go:
        return QCoreApplication::translate("MeasuringSystem", "Go");
    case ToleranceVerdict::NoGo:
        return QCoreApplication::translate("MeasuringSystem", "No Go");
    case ToleranceVerdict::NotJudged:
        break;
    }
    return QString();
}

bool RecordingController::isRecordable(const DeviceRecord &record)
{
    // An instrument off line still holds its last value; recording it would enter a stale value as measured.
    return record.connected && hasReading(record);
}

void RecordingController::appendMono(int index, double value, const QString &time, const QString &status)
{
    m_store->appendMono(index, value, time, status);
    m_journal.append(MeasurementJournal::monoRecordLine(deviceKey(index), time, value, status));
}

void RecordingController::appendSnapshot(const MultiSnapshot &snap)
{
    m_store->appendSnapshot(snap);
    m_journal.append(snapshotJournalLine(snap));
    typeSnapshot(snap);
}

void RecordingController::record(int index)
{
    if (m_beforeCapture)
        m_beforeCapture();
    if (index < 0 || index >= m_registry.devices().size() || !isRecordable(m_registry.devices().at(index)))
        return;
    const QString time = currentTimeText();
    DeviceRecord &record = m_registry.devices()[index];
    const double value = displayValue(record);

    if (!m_multi) {
        appendMono(index, value, time, evaluateTolerance(record, value));
        typeValue(formatTypedValue(value, precisionDigits(record.precision)));
    } else if (m_syncChecked(index)) {
        bool has = false;
        const MultiSnapshot snap = captureAllDevices(time, &has);
        if (has)
            appendSnapshot(snap);
    }
    // The next peak starts afresh (in multi mode the capture has done it for every device it took).
    if (holdsPeak(record.measuringType))
        record.heldValid = false;
}

MultiSnapshot RecordingController::captureAllDevices(const QString &time, bool *hasSyncData)
{
    if (m_beforeCapture)
        m_beforeCapture();
    MultiSnapshot snap;
    snap.time = time;
    if (hasSyncData)
        *hasSyncData = false;
    QList<DeviceRecord> &devices = m_registry.devices();
    for (int i = 0; i < devices.size(); ++i) {
        DeviceRecord &record = devices[i];
        if (!isRecordable(record))
            continue;
        const double value = displayValue(record);
        appendMono(i, value, time, evaluateTolerance(record, value));
        if (m_syncChecked(i)) {
            snap.values.insert(i, value);
            if (hasSyncData)
                *hasSyncData = true;
        }
        if (holdsPeak(record.measuringType))
            record.heldValid = false;
    }
    return snap;
}

void RecordingController::onSyncTimerTimeout()
{
    bool has = false;
    const MultiSnapshot snap = captureAllDevices(currentTimeText(), &has);
    // In mono mode the rows went to the devices' own tables; a timer types nothing there.
    if (m_multi && has)
        appendSnapshot(snap);
}

void RecordingController::typeSnapshot(const MultiSnapshot &snap) const
{
    if (!keyboardEmulationSettings().enabled)
        return;
    QStringList texts;
    for (auto it = snap.values.cbegin(); it != snap.values.cend(); ++it) {
        const int i = it.key();
        if (i < 0 || i >= m_registry.devices().size() || !m_syncChecked(i))
            continue;
        texts.append(formatTypedValue(it.value(), precisionDigits(m_registry.devices().at(i).precision)));
    }
    typeFields(texts);
}

void RecordingController::applyTimerSettings(bool synchronous, int intervalMs,
                                             const QMap<int, int> &rowIntervals)
{
    m_syncTimerMode = synchronous;
    m_syncTimer->stop();
    for (QTimer *timer : std::as_const(m_deviceTimers)) {
        timer->stop();
        timer->deleteLater();
    }
    m_deviceTimers.clear();

    if (synchronous) {
        m_syncIntervalMs = intervalMs;
        if (intervalMs > 0)
            m_syncTimer->start(intervalMs);
    } else {
        for (auto it = rowIntervals.cbegin(); it != rowIntervals.cend(); ++it) {
            const int row = it.key();
            if (row < 0 || row >= m_registry.devices().size())
                continue;
            m_registry.devices()[row].timerIntervalMs = it.value();
            if (it.value() < 1)
                continue;
            auto *timer = new QTimer(this);
            // The device's index is looked up when the timer fires: deletes and moves re-key the map.
            connect(timer, &QTimer::timeout, this, [this, timer] {
                const int index = m_deviceTimers.key(timer, -1);
                if (index >= 0)
                    record(index);
            });
            timer->start(it.value());
            m_deviceTimers.insert(row, timer);
        }
    }
    emit saveRequested();
    emit timersChanged();
}

bool RecordingController::isSyncTimerActive() const
{
    return m_syncTimer->isActive();
}

void RecordingController::removeDevice(int index)
{
    m_store->removeDevice(index);
    if (QTimer *timer = m_deviceTimers.take(index))
        timer->deleteLater();
    IndexRekey::removeKey(m_deviceTimers, index);
    rewriteJournal();
    emit timersChanged();
}

void RecordingController::moveDevice(int from, int to)
{
    m_store->moveDevice(from, to);
    IndexRekey::moveKey(m_deviceTimers, from, to);
    rewriteJournal();
}

QString RecordingController::deviceKey(int index) const
{
    if (index < 0 || index >= m_registry.devices().size())
        return QString();
    const DeviceRecord &record = m_registry.devices().at(index);
    return MeasurementJournal::deviceKey(record.portName, record.address);
}

int RecordingController::findDeviceByKey(const QString &key) const
{
    for (int i = 0; i < m_registry.devices().size(); ++i) {
        if (deviceKey(i) == key)
            return i;
    }
    return -1;
}

QString RecordingController::snapshotJournalLine(const MultiSnapshot &snap) const
{
    return MeasurementJournal::snapshotLine(snap, [this](int index) { return deviceKey(index); });
}

void RecordingController::rewriteJournal()
{
    m_journal.rewrite(*m_store, [this](int index) { return deviceKey(index); });
}

QStringList RecordingController::recoveryLines() const
{
    return m_journal.readRecoveryLines();
}

void RecordingController::startJournal(const QStringList &restore)
{
    if (!restore.isEmpty())
        MeasurementJournal::restore(restore, *m_store,
                                    [this](const QString &key) { return findDeviceByKey(key); });
    m_journal.setEnabled(true);
    rewriteJournal();
}

void RecordingController::endJournal()
{
    m_journal.setEnabled(false);
    m_journal.remove();
}
