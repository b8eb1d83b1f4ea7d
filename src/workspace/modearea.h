#pragma once

#include <QList>
#include <QObject>

#include <functional>

namespace Ui {
class MeasuringSystem;
}

class ChartWidget;
class DeviceRegistry;
struct DeviceStats;
class MonoTableModel;
class MultiTableModel;
class QAbstractItemModel;
class QPoint;
class QWidget;
class RecordingController;
class TableExporter;

// The window's mode area: the mono page (one device's big value, unit, table and summary), the multi
// page (one column per sync-checked device) and the chart page, with their context menus, the
// statistics dialog and the export of the table on screen. It keeps which device the mono page shows and
// which recording mode is active; the widgets are the window's form, and so are the texts (they are
// translated in the window's context).
class ModeArea : public QObject
{
    Q_OBJECT

public:
    enum Page { MonoPage = 0, MultiPage = 1, ChartPage = 2 };
    using SyncChecked = std::function<bool(int deviceIndex)>;

    ModeArea(Ui::MeasuringSystem *ui, RecordingController &recording, DeviceRegistry &registry,
             SyncChecked syncChecked, double scale, QWidget *window);

    MonoTableModel *monoModel() const { return m_monoModel; }
    MultiTableModel *multiModel() const { return m_multiModel; }
    int shownDevice() const { return m_shownDevice; }
    bool isMulti() const;
    Page page() const;

    // The mono page shows `index` (-1: none) with its unit and records.
    void showDevice(int index);
    void showPage(Page page);
    // The big value and the unit label follow the shown device's current reading.
    void refreshLiveValue();
    void showValueText(const QString &text);

    // Device list changes, after the records have followed.
    void deviceRemoved(int index);
    void deviceMoved(int from, int to);
    // Names, units or precision of devices, or the sync boxes, changed.
    void devicesEdited();
    void retranslate();

    void refreshMonoTable();
    void rebuildMultiColumns();
    void refreshMultiTable();
    int multiColumnToDeviceIndex(int column) const;
    void refreshChartSeries();
    void openStatisticsFor(int index);

    void exportCsv();
    void exportPdf();
    void exportXlsx();
    void askAndExport();

    void onMonoTableContextMenu(const QPoint &pos);
    void onMultiTableContextMenu(const QPoint &pos);
    void onMonoStatsContextMenu(const QPoint &pos);

private:
    void setUpTables(double scale);
    void scheduleChartRefresh();
    void updateMonoSummary();
    const QAbstractItemModel *exportSource();
    // The instruments of the exported table with all their values there: the shown one in mono mode, the
    // columns' in multi mode.
    QList<DeviceStats> exportStatistics() const;

    Ui::MeasuringSystem *ui;
    RecordingController &m_recording;
    DeviceRegistry &m_registry;
    SyncChecked m_syncChecked;
    QWidget *m_window;
    MonoTableModel *m_monoModel;
    MultiTableModel *m_multiModel;
    TableExporter *m_exporter;
    ChartWidget *m_chart;
    int m_shownDevice = -1;
    bool m_chartRefreshPending = false;
};
