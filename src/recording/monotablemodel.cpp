#include "monotablemodel.h"

#include "recordingstore.h"

MonoTableModel::MonoTableModel(const RecordingStore &store, QObject *parent)
    : QAbstractTableModel(parent)
    , m_store(store)
{
    connect(&store, &RecordingStore::monoAppended, this, &MonoTableModel::onAppended);
    connect(&store, &RecordingStore::monoChanged, this, &MonoTableModel::onChanged);
}

void MonoTableModel::showDevice(int device, int digits)
{
    beginResetModel();
    m_device = device;
    m_digits = digits;
    m_rows = device < 0 ? 0 : m_store.recordCount(device);
    endResetModel();
}

void MonoTableModel::setHeaderLabels(const QStringList &labels)
{
    m_headers = labels;
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

int MonoTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int MonoTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 4;
}

QVariant MonoTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows)
        return QVariant();
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole)
        return QVariant();
    const MonoRecords &records = m_store.records(m_device);
    const int row = index.row();
    switch (index.column()) {
    case 0:
        return QString::number(row + 1);
    case 1:
        return row < records.times.size() ? records.times.at(row) : QString();
    case 2:
        return QString::number(records.values.at(row), 'f', m_digits);
    case 3:
        return row < records.statuses.size() ? records.statuses.at(row) : QString();
    default:
        return QVariant();
    }
}

QVariant MonoTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < m_headers.size())
        return m_headers.at(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

void MonoTableModel::onAppended(int device, int row)
{
    if (device != m_device || row != m_rows)
        return onChanged(device);
    beginInsertRows(QModelIndex(), row, row);
    ++m_rows;
    endInsertRows();
}

void MonoTableModel::onChanged(int device)
{
    if (device == m_device)
        showDevice(m_device, m_digits);
}
