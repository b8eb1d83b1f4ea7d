#pragma once

#include "recording/devicevalues.h"

#include <QList>
#include <QMap>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QStringList>

// The recorded measurements of one device, oldest first. The three lists grow together; readers
// tolerate a status list that is shorter than the value list.
struct MonoRecords
{
    QList<double> values;
    QStringList times;
    QStringList statuses;
};

// One row of the shared table: the values of the devices that were sync-checked at capture time.
struct MultiSnapshot
{
    QString time;
    DeviceValues values;
};
Q_DECLARE_METATYPE(MultiSnapshot)

// Everything the workspace has recorded, keyed by device index, plus running figures for the summary.
// Appending is O(1) and announced per record, so the table models insert one row instead of rebuilding.
class RecordingStore : public QObject
{
    Q_OBJECT

public:
    struct Summary
    {
        int count = 0;
        double min = 0.0;
        double max = 0.0;
        double sum = 0.0;
    };

    explicit RecordingStore(QObject *parent = nullptr);

    const QMap<int, MonoRecords> &mono() const { return m_mono; }
    const MonoRecords &records(int device) const;
    int recordCount(int device) const;
    Summary summary(int device) const;
    const QList<MultiSnapshot> &snapshots() const { return m_snapshots; }
    bool isEmpty() const;

    // Between these two, appends are announced once at the end as a change instead of row by row: a view
    // that is told of each of a hundred thousand restored rows spends minutes on its own bookkeeping.
    void beginBatch();
    void endBatch();

    void appendMono(int device, double value, const QString &time, const QString &status);
    void removeMonoRow(int device, int row);
    void clearMono(int device);
    void appendSnapshot(const MultiSnapshot &snapshot);
    void removeSnapshot(int row);
    void clearSnapshots();

    // Device list changes: the records follow their device.
    void removeDevice(int device);
    void moveDevice(int from, int to);

signals:
    void monoAppended(int device, int row);
    void monoChanged(int device); // rows removed or the device's records replaced
    void snapshotAppended(int row);
    void snapshotsChanged();
    void devicesRekeyed();

private:
    void recomputeSummary(int device);

    QMap<int, MonoRecords> m_mono;
    QMap<int, Summary> m_summaries;
    QList<MultiSnapshot> m_snapshots;
    bool m_batching = false;
    QList<int> m_batchDevices;
    bool m_batchSnapshots = false;
};
