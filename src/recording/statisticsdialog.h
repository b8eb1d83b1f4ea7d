#pragma once

#include "recording/statistics.h"

#include <QDialog>
#include <QList>
#include <QString>

class QComboBox;
class QLabel;
class QListWidget;
class ControlChartWidget;
class HistogramWidget;
class QAbstractItemModel;
class QStandardItemModel;
class TableExporter;
class TrendWidget;

// Summary figures, a histogram and a run chart of one device at a time, over a copy of the recorded
// data taken when the dialog opens.
//
// The workspace opens it like this (modeless, one per request):
//     const QList<DeviceStats> list = buildDeviceStats(store, devices, multiMode, selectedDevice, rows);
//     auto *dialog = new StatisticsDialog(list, deviceIndex, StatisticsDialog::sourceText(multiMode), this);
//     dialog->setAttribute(Qt::WA_DeleteOnClose);
//     dialog->show();
// where `rows` are the selected row numbers of the shared table (multi mode) or of the mono table.
class StatisticsDialog : public QDialog
{
    Q_OBJECT

public:
    // Tiles in their on-screen order.
    enum Tile { Count, Mean, Minimum, Maximum, Range, StdDev, Within, Outside, PassRate, TileCount };
    // Capability tiles, in a column pair beside the others: Cp Cpk / Cpu Cpl / Pp Ppk.
    enum CapabilityTile { Cp, Cpk, Cpu, Cpl, Pp, Ppk, CapabilityTileCount };

    StatisticsDialog(const QList<DeviceStats> &devices, int initialIndex, const QString &sourceText,
                     QWidget *parent = nullptr);

    // "data from the shared table" or "data from the device table".
    static QString sourceText(bool multiMode);

    void showDevice(int index);
    void recompute();

    QLabel *tileValue(Tile tile) const { return m_tiles.at(tile); }
    QLabel *capabilityValue(CapabilityTile tile) const { return m_capabilityTiles.at(tile); }
    QString heading() const;
    QString information() const;
    QComboBox *valueSetBox() const { return m_valueSet; }
    QListWidget *deviceList() const { return m_list; }
    HistogramWidget *histogram() const { return m_histogram; }
    TrendWidget *trend() const { return m_trend; }
    ControlChartWidget *controlChart() const { return m_controlChart; }

    // Every figure shown, as two columns (figure, value), for the export.
    QAbstractItemModel *figures();
    // Asks for the format and the file and writes the figures of the instrument on show.
    void exportFigures();
    TableExporter *exporter() const { return m_exporter; }

private:
    QList<DeviceStats> m_devices;
    DeviceStats m_current;
    QListWidget *m_list = nullptr;
    QLabel *m_heading = nullptr;
    QComboBox *m_valueSet = nullptr;
    QList<QLabel *> m_tiles;
    QList<QLabel *> m_captions;
    QList<QLabel *> m_capabilityTiles;
    QList<QLabel *> m_capabilityCaptions;
    QLabel *m_info = nullptr;
    HistogramWidget *m_histogram = nullptr;
    TrendWidget *m_trend = nullptr;
    ControlChartWidget *m_controlChart = nullptr;
    TableExporter *m_exporter = nullptr;
    QStandardItemModel *m_figures = nullptr;
};
