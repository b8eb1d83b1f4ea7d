#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

class RecordingStore;

// The shared table of multi mode: one row per snapshot, one column per device whose sync box is
// checked now. A snapshot without a value for a column shows a grey "—". The typed values of TableRole
// stand beside the texts.
class MultiTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    struct Column
    {
        int device = -1;
        QString header;
        int digits = 2;
    };

    explicit MultiTableModel(const RecordingStore &store, QObject *parent = nullptr);

    // The two leading headers ("№", time) and the device columns, in device order.
    void setColumns(const QStringList &leadingHeaders, const QList<Column> &columns);
    // The device index of a column; -1 for the leading columns or beyond.
    int deviceOfColumn(int column) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void onAppended(int row);
    void onChanged();

    const RecordingStore &m_store;
    QStringList m_leading;
    QList<Column> m_columns;
    int m_rows = 0;
};
