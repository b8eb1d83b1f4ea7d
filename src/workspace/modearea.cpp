#include "modearea.h"
#include "ui_measuringsystem.h"

#include "common/indexrekey.h"
#include "devices/deviceregistry.h"
#include "recording/chartwidget.h"
#include "recording/monotablemodel.h"
#include "recording/multitablemodel.h"
#include "recording/statisticsdialog.h"
#include "recording/tableexporter.h"
#include "recordingcontroller.h"

#include <QDebug>
#include <QFontMetrics>
#include <QHeaderView>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

int scaledPx(double scale, int base)
{
    return std::max(int(std::lround(base * scale)), 1);
}

QString fixed(double value, int digits)
{
    return QString::number(value, 'f', digits);
}

} // namespace

ModeArea::ModeArea(Ui::MeasuringSystem *form, RecordingController &recording, DeviceRegistry &registry,
                   SyncChecked syncChecked, double scale, QWidget *window)
    : QObject(window)
    , ui(form)
    , m_recording(recording)
    , m_registry(registry)
    , m_syncChecked(std::move(syncChecked))
    , m_window(window)
    , m_monoModel(new MonoTableModel(recording.store(), this))
    , m_multiModel(new MultiTableModel(recording.store(), this))
    , m_exporter(new TableExporter(window))
    , m_chart(new ChartWidget(form->chartPage))
{
    setUpTables(scale);
    ui->monoValueButton->setMinimumHeight(scaledPx(scale, 110));
    ui->monoValueButton->setStyleSheet(
        QStringLiteral(
            "QPushButton { background-color: #cccccc; border: none; border-radius: 8px; color: #111111; "
            "font-size: %1px; font-family: 'Consolas', 'Courier New', monospace; }"
            "QPushButton:hover { background-color: #bbbbbb; }")
            .arg(scaledPx(scale, 64)));
    ui->monoUnitLabel->setStyleSheet(
        QStringLiteral("QLabel { color: #111111; font-size: %1px; font-weight: bold; }")
            .arg(scaledPx(scale, 36)));
    ui->monoSummaryLabel->setStyleSheet(
        QStringLiteral("QLabel { color: #333333; font-size: %1px; }").arg(scaledPx(scale, 16)));
    connect(ui->monoValueButton, &QPushButton::clicked, this, [this] {
        if (m_shownDevice >= 0)
            m_recording.record(m_shownDevice);
    });

    // The chart follows the tables while it is shown: one redraw per turn of the event loop, however many
    // records arrived in it.
    ui->chartLayout->addWidget(m_chart);
    const RecordingStore *store = &recording.store();
    connect(store, &RecordingStore::monoAppended, this, &ModeArea::scheduleChartRefresh);
    connect(store, &RecordingStore::monoChanged, this, &ModeArea::scheduleChartRefresh);
    connect(store, &RecordingStore::snapshotAppended, this, &ModeArea::scheduleChartRefresh);
    connect(store, &RecordingStore::snapshotsChanged, this, &ModeArea::scheduleChartRefresh);
    connect(store, &RecordingStore::devicesRekeyed, this, &ModeArea::scheduleChartRefresh);

    ui->modeStack->setCurrentIndex(MonoPage);
    refreshMonoTable();
}

void ModeArea::setUpTables(double scale)
{
    ui->monoTable->setModel(m_monoModel);
    ui->multiTable->setModel(m_multiModel);
    connect(m_monoModel, &QAbstractItemModel::rowsInserted, this, [this] {
        // One new record: the summary follows from running figures and the view shows the newest row.
        updateMonoSummary();
        ui->monoTable->scrollToBottom();
    });
    connect(m_multiModel, &QAbstractItemModel::rowsInserted, ui->multiTable, &QTableView::scrollToBottom);
    connect(ui->monoTable, &QWidget::customContextMenuRequested, this, &ModeArea::onMonoTableContextMenu);
    connect(ui->multiTable, &QWidget::customContextMenuRequested, this, &ModeArea::onMultiTableContextMenu);
    connect(ui->monoSummaryLabel, &QWidget::customContextMenuRequested, this,
            &ModeArea::onMonoStatsContextMenu);
    for (QTableView *table : {ui->monoTable, ui->multiTable}) {
        QFont cellFont = table->font();
        cellFont.setPixelSize(scaledPx(scale, 16));
        table->setFont(cellFont);
        QFont headerFont = table->horizontalHeader()->font();
        headerFont.setPixelSize(scaledPx(scale, 18));
        table->horizontalHeader()->setFont(headerFont);
        table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
        // Every row has the same height; the view need not measure a million of them.
        table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        table->verticalHeader()->setDefaultSectionSize(QFontMetrics(cellFont).height() + 8);
    }
}

bool ModeArea::isMulti() const
{
    return m_recording.isMultiMode();
}

ModeArea::Page ModeArea::page() const
{
    return Page(ui->modeStack->currentIndex());
}

void ModeArea::showDevice(int index)
{
    m_shownDevice = index >= 0 && index < m_registry.devices().size() ? index : -1;
    if (m_shownDevice >= 0)
        ui->monoUnitLabel->setText(unitShortText(m_registry.devices().at(index).unit));
    refreshMonoTable();
}

void ModeArea::showPage(Page page)
{
    if (page == ChartPage)
        refreshChartSeries();
    else if (page == MultiPage) {
        rebuildMultiColumns();
        refreshMultiTable();
    }
    ui->modeStack->setCurrentIndex(page);
}

void ModeArea::showValueText(const QString &text)
{
    if (ui->monoValueButton->text() != text)
        ui->monoValueButton->setText(text);
}

void ModeArea::refreshLiveValue()
{
    if (m_shownDevice < 0 || m_shownDevice >= m_registry.devices().size())
        return;
    const DeviceRecord &shown = m_registry.devices().at(m_shownDevice);
    if (shown.connected && hasReading(shown))
        showValueText(fixed(displayValue(shown), precisionDigits(shown.precision)));
    else
        showValueText(QStringLiteral("---"));
    const QString unit = unitShortText(shown.unit);
    if (unit != ui->monoUnitLabel->text()) {
        qDebug().noquote() << "[UNITS] Mono label updated:" << ui->monoUnitLabel->text() << "->" << unit;
        ui->monoUnitLabel->setText(unit);
        refreshMonoTable();
    }
}

void ModeArea::deviceRemoved(int index)
{
    if (m_shownDevice == index)
        showValueText(QStringLiteral("0.000"));
    m_shownDevice = IndexRekey::afterRemove(m_shownDevice, index);
    refreshMonoTable();
    rebuildMultiColumns();
    refreshMultiTable();
}

void ModeArea::deviceMoved(int from, int to)
{
    m_shownDevice = m_shownDevice < 0 ? -1 : IndexRekey::afterMove(m_shownDevice, from, to);
    refreshMonoTable();
    if (isMulti()) {
        rebuildMultiColumns();
        refreshMultiTable();
    }
}

void ModeArea::devicesEdited()
{
    if (m_shownDevice >= 0)
        showDevice(m_shownDevice);
    // Names, units and precision are the multi table's column headers and cell format.
    if (isMulti()) {
        rebuildMultiColumns();
        refreshMultiTable();
    }
}

void ModeArea::retranslate()
{
    if (page() == ChartPage)
        scheduleChartRefresh(); // the source text is the window's
    refreshMonoTable();
    rebuildMultiColumns();
    refreshMultiTable();
}

void ModeArea::refreshMonoTable()
{
    const bool shown = m_shownDevice >= 0 && m_shownDevice < m_registry.devices().size();
    const DeviceRecord *record = shown ? &m_registry.devices().at(m_shownDevice) : nullptr;
    const QString valueHeader =
        record
            ? QCoreApplication::translate("MeasuringSystem", "Значення (%1)").arg(unitShortText(record->unit))
            : QCoreApplication::translate("MeasuringSystem", "Значення");
    m_monoModel->setHeaderLabels({QCoreApplication::translate("MeasuringSystem", "№"),
                                  QCoreApplication::translate("MeasuringSystem", "Час"), valueHeader,
                                  QCoreApplication::translate("MeasuringSystem", "Статус")});
    m_monoModel->showDevice(shown ? m_shownDevice : -1, record ? precisionDigits(record->precision) : 2);
    updateMonoSummary();
    ui->monoTable->scrollToBottom();
}

void ModeArea::updateMonoSummary()
{
    const bool shown = m_shownDevice >= 0 && m_shownDevice < m_registry.devices().size();
    const int digits = shown ? precisionDigits(m_registry.devices().at(m_shownDevice).precision) : 3;
    const RecordingStore::Summary summary =
        shown ? m_recording.store().summary(m_shownDevice) : RecordingStore::Summary();
    const double mean = summary.count > 0 ? summary.sum / summary.count : 0.0;
    ui->monoSummaryLabel->setText(
        QCoreApplication::translate("MeasuringSystem", "min: %1\nmax: %2\navg: %3")
            .arg(fixed(summary.min, digits), fixed(summary.max, digits), fixed(mean, digits)));
}

void ModeArea::rebuildMultiColumns()
{
    QList<MultiTableModel::Column> columns;
    for (int i = 0; i < m_registry.devices().size(); ++i) {
        if (!m_syncChecked(i))
            continue;
        const DeviceRecord &record = m_registry.devices().at(i);
        columns.append({i, QStringLiteral("%1 (%2)").arg(record.name, unitShortText(record.unit)),
                        precisionDigits(record.precision)});
    }
    m_multiModel->setColumns({QCoreApplication::translate("MeasuringSystem", "№"),
                              QCoreApplication::translate("MeasuringSystem", "Час")},
                             columns);
}

void ModeArea::refreshMultiTable()
{
    ui->multiTable->scrollToBottom();
}

int ModeArea::multiColumnToDeviceIndex(int column) const
{
    if (column < 2 || m_registry.devices().isEmpty())
        return 0;
    int number = 2;
    for (int i = 0; i < m_registry.devices().size(); ++i) {
        if (!m_syncChecked(i))
            continue;
        if (number == column)
            return i;
        ++number;
    }
    return 0;
}

void ModeArea::refreshChartSeries()
{
    m_chartRefreshPending = false;
    m_chart->setSourceText(ChartWidget::sourceTextFor(isMulti()));
    m_chart->setSeries(buildChartSeries(m_recording.store(), m_registry.devices(), isMulti()));
}

void ModeArea::scheduleChartRefresh()
{
    if (m_chartRefreshPending || page() != ChartPage)
        return;
    m_chartRefreshPending = true;
    QTimer::singleShot(0, this, [this] {
        if (m_chartRefreshPending && page() == ChartPage)
            refreshChartSeries();
        m_chartRefreshPending = false;
    });
}

void ModeArea::openStatisticsFor(int index)
{
    if (m_registry.devices().isEmpty())
        return;
    const bool multi = isMulti();
    const QTableView *table = multi ? ui->multiTable : ui->monoTable;
    QList<int> rows;
    for (const QModelIndex &row : table->selectionModel()->selectedRows())
        rows.append(row.row());
    std::sort(rows.begin(), rows.end());
    // A copy taken now: later recordings do not reach an open dialog.
    auto *dialog = new StatisticsDialog(
        buildDeviceStats(m_recording.store(), m_registry.devices(), multi, m_shownDevice, rows), index,
        StatisticsDialog::sourceText(multi), m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

const QAbstractItemModel *ModeArea::exportSource()
{
    const QAbstractItemModel *model = isMulti() ? static_cast<const QAbstractItemModel *>(m_multiModel)
                                                : static_cast<const QAbstractItemModel *>(m_monoModel);
    return m_exporter->checkSource(model) ? model : nullptr;
}

void ModeArea::exportCsv()
{
    if (const QAbstractItemModel *model = exportSource())
        m_exporter->exportCsv(*model);
}

void ModeArea::exportPdf()
{
    if (const QAbstractItemModel *model = exportSource())
        m_exporter->exportPdf(*model);
}

void ModeArea::exportXlsx()
{
    if (const QAbstractItemModel *model = exportSource())
        m_exporter->exportXlsx(*model, exportStatistics());
}

void ModeArea::askAndExport()
{
    if (const QAbstractItemModel *model = exportSource())
        m_exporter->askAndExport(*model, exportStatistics());
}

QList<DeviceStats> ModeArea::exportStatistics() const
{
    const bool multi = isMulti();
    QList<int> devices;
    if (multi) {
        for (int column = 2; column < m_multiModel->columnCount(); ++column)
            devices.append(m_multiModel->deviceOfColumn(column));
    } else {
        devices.append(m_monoModel->device());
    }
    const QList<DeviceStats> all =
        buildDeviceStats(m_recording.store(), m_registry.devices(), multi, m_monoModel->device(), {});
    QList<DeviceStats> exported;
    for (int device : std::as_const(devices)) {
        if (device >= 0 && device < all.size())
            exported.append(all.at(device));
    }
    return exported;
}

void ModeArea::onMonoTableContextMenu(const QPoint &pos)
{
    if (m_shownDevice < 0 || m_shownDevice >= m_registry.devices().size())
        return;
    const int device = m_shownDevice;
    const int row = ui->monoTable->rowAt(pos.y());
    QMenu menu(m_window);
    QAction *deleteRow =
        row >= 0 ? menu.addAction(QCoreApplication::translate("MeasuringSystem", "Видалити рядок")) : nullptr;
    QAction *clear = menu.addAction(QCoreApplication::translate("MeasuringSystem", "Очистити таблицю"));
    menu.addSeparator();
    QAction *statistics =
        menu.addAction(QCoreApplication::translate("MeasuringSystem", "Відкрити статистику"));
    QAction *chosen = menu.exec(ui->monoTable->viewport()->mapToGlobal(pos));
    RecordingStore &store = m_recording.store();
    if (chosen && chosen == deleteRow && row < store.recordCount(device)) {
        store.removeMonoRow(device, row);
    } else if (chosen == clear && store.recordCount(device) > 0) {
        if (QMessageBox::question(
                m_window, QCoreApplication::translate("MeasuringSystem", "Очистити таблицю"),
                QCoreApplication::translate("MeasuringSystem", "Очистити всі виміри цього приладу?"),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::NoButton) != QMessageBox::Yes)
            return;
        store.clearMono(device);
    } else {
        if (chosen && chosen == statistics)
            openStatisticsFor(device);
        return;
    }
    m_recording.rewriteJournal();
    refreshMonoTable();
}

void ModeArea::onMultiTableContextMenu(const QPoint &pos)
{
    const int row = ui->multiTable->rowAt(pos.y());
    const int column = ui->multiTable->columnAt(pos.x());
    QMenu menu(m_window);
    QAction *deleteRow =
        row >= 0 ? menu.addAction(QCoreApplication::translate("MeasuringSystem", "Видалити рядок")) : nullptr;
    QAction *clear = menu.addAction(QCoreApplication::translate("MeasuringSystem", "Очистити таблицю"));
    menu.addSeparator();
    QAction *statistics =
        menu.addAction(QCoreApplication::translate("MeasuringSystem", "Відкрити статистику"));
    statistics->setEnabled(!m_registry.devices().isEmpty());
    QAction *chosen = menu.exec(ui->multiTable->viewport()->mapToGlobal(pos));
    RecordingStore &store = m_recording.store();
    if (chosen && chosen == deleteRow) {
        store.removeSnapshot(row);
    } else if (chosen == clear && !store.snapshots().isEmpty()) {
        if (QMessageBox::question(
                m_window, QCoreApplication::translate("MeasuringSystem", "Очистити таблицю"),
                QCoreApplication::translate("MeasuringSystem", "Очистити всі записані рядки таблиці?"),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::NoButton) != QMessageBox::Yes)
            return;
        store.clearSnapshots();
    } else {
        if (chosen && chosen == statistics)
            openStatisticsFor(multiColumnToDeviceIndex(column));
        return;
    }
    m_recording.rewriteJournal();
    refreshMultiTable();
}

void ModeArea::onMonoStatsContextMenu(const QPoint &pos)
{
    QMenu menu(m_window);
    QAction *statistics =
        menu.addAction(QCoreApplication::translate("MeasuringSystem", "Відкрити статистику"));
    statistics->setEnabled(m_shownDevice >= 0);
    if (menu.exec(ui->monoSummaryLabel->mapToGlobal(pos)) == statistics)
        openStatisticsFor(m_shownDevice);
}
