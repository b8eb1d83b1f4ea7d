#pragma once

#include <QAbstractTableModel>
#include <QStringList>

class RecordingStore;
enum class ToleranceVerdict;

// The mono table: the records of the device shown on the mono page (number, time, value, verdict), with
// the typed values of TableRole beside the texts.
// A new record inserts one row, so recording costs the same however long the table is.
class MonoTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit MonoTableModel(const RecordingStore &store, QObject *parent = nullptr);

    // -1 shows no device. `digits` decimals for the values.
    void showDevice(int device, int digits);
    int device() const { return m_device; }
    void setHeaderLabels(const QStringList &labels);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // A record keeps its verdict as the text of the language it was recorded in, and the language may have
    // changed since (or the records came back from the journal in another one): the verdict texts of every
    // language the program carries are recognised.
    static ToleranceVerdict verdictOf(const QString &status);

private:
    void onAppended(int device, int row);
    void onChanged(int device);

    const RecordingStore &m_store;
    int m_device = -1;
    int m_digits = 2;
    int m_rows = 0;
    QStringList m_headers;
};
