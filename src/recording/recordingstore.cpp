#include "recordingstore.h"

#include "common/indexrekey.h"

#include <algorithm>
#include <utility>

RecordingStore::RecordingStore(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<MultiSnapshot>("MultiSnapshot");
}

const MonoRecords &RecordingStore::records(int device) const
{
    static const MonoRecords none;
    const auto it = m_mono.constFind(device);
    return it == m_mono.cend() ? none : it.value();
}

int RecordingStore::recordCount(int device) const
{
    return int(records(device).values.size());
}

RecordingStore::Summary RecordingStore::summary(int device) const
{
    return m_summaries.value(device);
}

bool RecordingStore::isEmpty() const
{
    const bool noMono = std::all_of(m_mono.cbegin(), m_mono.cend(),
                                    [](const MonoRecords &records) { return records.values.isEmpty(); });
    return noMono && m_snapshots.isEmpty();
}

void RecordingStore::beginBatch()
{
    m_batching = true;
}

void RecordingStore::endBatch()
{
    m_batching = false;
    const QList<int> devices = std::exchange(m_batchDevices, {});
    for (int device : devices)
        emit monoChanged(device);
    if (std::exchange(m_batchSnapshots, false))
        emit snapshotsChanged();
}

void RecordingStore::appendMono(int device, double value, const QString &time, const QString &status)
{
    MonoRecords &records = m_mono[device];
    records.values.append(value);
    records.times.append(time);
    records.statuses.append(status);

    Summary &summary = m_summaries[device];
    if (summary.count == 0) {
        summary.min = summary.max = value;
    } else {
        summary.min = std::min(summary.min, value);
        summary.max = std::max(summary.max, value);
    }
    summary.sum += value;
    ++summary.count;
    if (!m_batching)
        emit monoAppended(device, int(records.values.size()) - 1);
    else if (!m_batchDevices.contains(device))
        m_batchDevices.append(device);
}

void RecordingStore::removeMonoRow(int device, int row)
{
    auto it = m_mono.find(device);
    if (it == m_mono.end() || row < 0 || row >= it->values.size())
        return;
    it->values.removeAt(row);
    if (row < it->times.size())
        it->times.removeAt(row);
    if (row < it->statuses.size())
        it->statuses.removeAt(row);
    recomputeSummary(device);
    emit monoChanged(device);
}

void RecordingStore::clearMono(int device)
{
    auto it = m_mono.find(device);
    if (it == m_mono.end())
        return;
    *it = MonoRecords();
    m_summaries.remove(device);
    emit monoChanged(device);
}

void RecordingStore::appendSnapshot(const MultiSnapshot &snapshot)
{
    m_snapshots.append(snapshot);
    if (m_batching)
        m_batchSnapshots = true;
    else
        emit snapshotAppended(int(m_snapshots.size()) - 1);
}

void RecordingStore::removeSnapshot(int row)
{
    if (row < 0 || row >= m_snapshots.size())
        return;
    m_snapshots.removeAt(row);
    emit snapshotsChanged();
}

void RecordingStore::clearSnapshots()
{
    m_snapshots.clear();
    emit snapshotsChanged();
}

void RecordingStore::removeDevice(int device)
{
    IndexRekey::removeKey(m_mono, device);
    IndexRekey::removeKey(m_summaries, device);
    for (MultiSnapshot &snapshot : m_snapshots)
        IndexRekey::removeKey(snapshot.values, device);
    emit devicesRekeyed();
}

void RecordingStore::moveDevice(int from, int to)
{
    IndexRekey::moveKey(m_mono, from, to);
    IndexRekey::moveKey(m_summaries, from, to);
    for (MultiSnapshot &snapshot : m_snapshots)
        IndexRekey::moveKey(snapshot.values, from, to);
    emit devicesRekeyed();
}

void RecordingStore::recomputeSummary(int device)
{
    Summary summary;
    for (double value : records(device).values) {
        if (summary.count == 0) {
            summary.min = summary.max = value;
        } else {
            summary.min = std::min(summary.min, value);
            summary.max = std::max(summary.max, value);
        }
        summary.sum += value;
        ++summary.count;
    }
    if (summary.count == 0)
        m_summaries.remove(device);
    else
        m_summaries[device] = summary;
}
