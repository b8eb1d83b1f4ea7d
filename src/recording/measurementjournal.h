#pragma once

#include "recording/recordingstore.h"

#include <QFile>
#include <QString>
#include <QStringList>

#include <functional>

// The crash journal: a plain-text mirror of everything recorded, so that an abnormal end loses nothing.
// Every measurement is appended as one tab-separated line ("M" mono record, "S" snapshot) and flushed at
// once; deleting rows rewrites the file as a whole. Devices are named by "port:address", not by index,
// because indexes do not survive a restart. Every file error is silent: the journal must never get in the
// way of measuring.
class MeasurementJournal
{
public:
    using KeyOf = std::function<QString(int deviceIndex)>;  // empty when the index is invalid
    using IndexOf = std::function<int(const QString &key)>; // -1 when no device has that key

    MeasurementJournal() = default;
    MeasurementJournal(const MeasurementJournal &) = delete;
    MeasurementJournal &operator=(const MeasurementJournal &) = delete;

    static QString filePath();

    static QString deviceKey(const QString &portName, int address);
    static QString monoRecordLine(const QString &key, const QString &time, double value,
                                  const QString &status);
    static QString snapshotLine(const MultiSnapshot &snap, const KeyOf &keyOf);
    // The whole journal for what the store holds, one line per record, mono records first.
    static QString content(const RecordingStore &store, const KeyOf &keyOf);

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }

    // Appends one line and flushes it; nothing while disabled or for an empty line.
    void append(const QString &line);
    void appendMonoRecord(const KeyOf &keyOf, int index, const QString &time, double value,
                          const QString &status);
    // Replaces the file with content(store) atomically (nothing while disabled); empty content deletes it.
    void rewrite(const RecordingStore &store, const KeyOf &keyOf);

    // The record lines a previous run left behind; empty when there is no readable journal.
    QStringList readRecoveryLines() const;
    void close();
    void remove();

    // Appends the records of journal lines to the store, after what it holds; lines and items naming
    // devices that are not present are dropped.
    static void restore(const QStringList &lines, RecordingStore &store, const IndexOf &indexOf);

private:
    bool m_enabled = false;
    QFile m_file;
};
