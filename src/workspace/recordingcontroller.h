#pragma once

#include "recording/measurementjournal.h"
#include "recording/recordingstore.h"

#include <QMap>
#include <QObject>

#include <functional>

class DeviceRegistry;
class QTimer;
struct DeviceRecord;

// When a device's reading becomes a recorded measurement: the recording entry of one device (a click on
// its value, its own button, its timer), the capture of all devices, the synchronous and per-device
// timers, and the crash journal that mirrors every record. The window owns one and shows what the store
// holds; which devices take part in multi records is asked of the window (the cards' sync boxes).
class RecordingController : public QObject
{
    Q_OBJECT

public:
    using SyncChecked = std::function<bool(int deviceIndex)>;

    RecordingController(DeviceRegistry &registry, SyncChecked syncChecked, QObject *parent = nullptr);

    // Runs before every recording: values computed from other devices (formulas) are brought up to date.
    void setBeforeCapture(std::function<void()> hook) { m_beforeCapture = std::move(hook); }

    RecordingStore &store() { return *m_store; }
    MeasurementJournal &journal() { return m_journal; }

    bool isMultiMode() const { return m_multi; }
    void setMultiMode(bool multi) { m_multi = multi; }

    // The verdict text of a recorded value under the device's measuring mode.
    static QString evaluateTolerance(const DeviceRecord &record, double value);
    // Whether the device may be recorded now: on line and with a value from its link.
    static bool isRecordable(const DeviceRecord &record);

    // Records one device: a mono record, or in multi mode a snapshot when its sync box is ticked.
    void record(int index);
    // One mono record for every recordable device; the sync-checked ones also make up the snapshot.
    MultiSnapshot captureAllDevices(const QString &time, bool *hasSyncData);
    void onSyncTimerTimeout();
    void typeSnapshot(const MultiSnapshot &snap) const;

    // What the timer dialog's OK does: the synchronous timer, or one timer per device.
    void applyTimerSettings(bool synchronous, int intervalMs, const QMap<int, int> &rowIntervals);
    bool syncTimerMode() const { return m_syncTimerMode; }
    int syncIntervalMs() const { return m_syncIntervalMs; }
    bool isSyncTimerActive() const;
    int deviceTimerCount() const { return int(m_deviceTimers.size()); }
    bool anyTimerActive() const { return isSyncTimerActive() || !m_deviceTimers.isEmpty(); }

    // Device list changes: records and timers follow their device, and the journal is rewritten.
    void removeDevice(int index);
    void moveDevice(int from, int to);

    // The journal names devices by port and address, which survive a restart; indexes do not.
    QString deviceKey(int index) const;
    int findDeviceByKey(const QString &key) const;
    QString snapshotJournalLine(const MultiSnapshot &snap) const;
    void rewriteJournal();
    // What an earlier run that ended abnormally left in the journal; empty after a normal end.
    QStringList recoveryLines() const;
    // Starts journaling, after putting `restore` back into the tables first.
    void startJournal(const QStringList &restore = {});
    // A normal end: nothing is left to recover.
    void endJournal();

signals:
    void timersChanged();
    // Device records changed in a way the devices file cares about.
    void saveRequested();

private:
    void appendMono(int index, double value, const QString &time, const QString &status);
    void appendSnapshot(const MultiSnapshot &snap);

    DeviceRegistry &m_registry;
    SyncChecked m_syncChecked;
    std::function<void()> m_beforeCapture;
    RecordingStore *m_store;
    MeasurementJournal m_journal;
    bool m_multi = false;
    bool m_syncTimerMode = true;
    int m_syncIntervalMs = 0;
    QTimer *m_syncTimer;
    QMap<int, QTimer *> m_deviceTimers;
};
