#include "multitablemodel.h"

#include "recordingstore.h"
#include "tableroles.h"

#include <QColor>

MultiTableModel::MultiTableModel(const RecordingStore &store, QObject *parent)
    : QAbstractTableModel(parent)
    , m_store(store)
    , m_rows(int(store.snapshots().size()))
{
    connect(&store, &RecordingStore::snapshotAppended, this, &MultiTableModel::onAppended);
    connect(&store, &RecordingStore::snapshotsChanged, this, &MultiTableModel::onChanged);
}

void MultiTableModel::setColumns(const QStringList &leadingHeaders, const QList<Column> &columns)
{
    beginResetModel();
    m_leading = leadingHeaders;
    m_columns = columns;
    m_rows = int(m_store.snapshots().size());
    endResetModel();
}

int MultiTableModel::deviceOfColumn(int column) const
{
    const int i = column - 2;
    return i >= 0 && i < m_columns.size() ? m_columns.at(i).device : -1;
}

int MultiTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int MultiTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2 + int(m_columns.size());
}

QVariant MultiTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows)
        return QVariant();
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    const MultiSnapshot &snapshot = m_store.snapshots().at(index.row());
    const int column = index.column();
    if (column >= 2) {
        const Column &device = m_columns.at(column - 2);
        const auto value = snapshot.values.constFind(device.device);
        const bool missing = value == snapshot.values.cend();
        if (role == Qt::ForegroundRole)
            return missing ? QVariant(QColor(0xbb, 0xbb, 0xbb)) : QVariant();
        if (role == TableRole::Value)
            return missing ? QVariant() : QVariant(value.value());
        if (role == Qt::DisplayRole)
            return missing ? QStringLiteral("—") : QString::number(value.value(), 'f', device.digits);
        return QVariant();
    }
    if (role == TableRole::Value)
        return column == 0 ? QVariant(index.row() + 1) : TableRole::timeValue(snapshot.time);
    if (role != Qt::DisplayRole)
        return QVariant();
    return column == 0 ? QString::number(index.row() + 1) : snapshot.time;
}

QVariant MultiTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        if (section >= 0 && section < m_leading.size() && section < 2)
            return m_leading.at(section);
        if (section >= 2 && section - 2 < m_columns.size())
            return m_columns.at(section - 2).header;
    }
    if (orientation == Qt::Horizontal && role == TableRole::Decimals && section >= 2 &&
        section - 2 < m_columns.size())
        return m_columns.at(section - 2).digits;
    return QAbstractTableModel::headerData(section, orientation, role);
}

void MultiTableModel::onAppended(int row)
{
    if (row != m_rows)
        return onChanged();
    beginInsertRows(QModelIndex(), row, row);
    ++m_rows;
    endInsertRows();
}

void MultiTableModel::onChanged()
{
    beginResetModel();
    m_rows = int(m_store.snapshots().size());
    endResetModel();
}
