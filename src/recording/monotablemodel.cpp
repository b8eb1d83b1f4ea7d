#include "monotablemodel.h"

#include "devices/tolerance.h"
#include "recordingstore.h"
#include "tableroles.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QTranslator>

#include <utility>

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
    if (role != Qt::DisplayRole && role != TableRole::Value && role != TableRole::Verdict)
        return QVariant();
    const MonoRecords &records = m_store.records(m_device);
    const int row = index.row();
    const QString status = row < records.statuses.size() ? records.statuses.at(row) : QString();
    if (role == TableRole::Verdict)
        return index.column() == 3 ? QVariant(int(verdictOf(status))) : QVariant();
    if (role == TableRole::Value) {
        switch (index.column()) {
        case 0:
            return row + 1;
        case 1:
            return TableRole::timeValue(row < records.times.size() ? records.times.at(row) : QString());
        case 2:
            return records.values.at(row);
        default:
            return QVariant();
        }
    }
    switch (index.column()) {
    case 0:
        return QString::number(row + 1);
    case 1:
        return row < records.times.size() ? records.times.at(row) : QString();
    case 2:
        return QString::number(records.values.at(row), 'f', m_digits);
    case 3:
        return status;
    default:
        return QVariant();
    }
}

QVariant MonoTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < m_headers.size())
        return m_headers.at(section);
    if (orientation == Qt::Horizontal && role == TableRole::Decimals && section == 2)
        return m_digits;
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

ToleranceVerdict MonoTableModel::verdictOf(const QString &status)
{
    // Each language's texts of the two verdicts, read once from the translations the program carries.
    static const QHash<QString, ToleranceVerdict> verdicts = [] {
        const std::pair<const char *, ToleranceVerdict> sources[] = {{"Go", ToleranceVerdict::Go},
                                                                     {"No Go", ToleranceVerdict::NoGo}};
        QHash<QString, ToleranceVerdict> texts;
        for (const auto &[source, verdict] : sources)
            texts.insert(QString::fromLatin1(source), verdict);
        const QDir folder(QStringLiteral(":/i18n"));
        for (const QString &file : folder.entryList({QStringLiteral("*.qm")})) {
            QTranslator translator;
            if (!translator.load(folder.filePath(file)))
                continue;
            for (const auto &[source, verdict] : sources) {
                const QString text = translator.translate("MeasuringSystem", source);
                if (!text.isEmpty())
                    texts.insert(text, verdict);
            }
        }
        return texts;
    }();
    return verdicts.value(status, ToleranceVerdict::NotJudged);
}
