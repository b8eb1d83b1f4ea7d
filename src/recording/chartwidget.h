#pragma once

#include "recording/chartgeometry.h"

#include <QList>
#include <QWidget>

class PlotCanvas;
class QCheckBox;
class QComboBox;
class QLabel;
class RecordingStore;
struct DeviceRecord;

// One series per device, in device order: in mono mode the device's own records, in multi mode its
// values from the snapshots that hold one, in snapshot order.
QList<ChartSeries> buildChartSeries(const RecordingStore &store, const QList<DeviceRecord> &devices,
                                    bool multiMode);

// The chart page: the chart type, the two devices compared in X-Y mode, the grid switch, an
// information line and the canvas. The window refreshes it with
//
//     chart->setSourceText(ChartWidget::sourceTextFor(multiMode));
//     chart->setSeries(buildChartSeries(store, devices, multiMode));
//
// when the page opens and after every recording made while it is shown.
class ChartWidget : public QWidget
{
    Q_OBJECT

public:
    enum ChartType { AllOnY = 0, XyPair = 1 };

    explicit ChartWidget(QWidget *parent = nullptr);

    static QString sourceTextFor(bool multiMode);

    void setSourceText(const QString &text);
    void setSeries(const QList<ChartSeries> &series);
    const QList<ChartSeries> &series() const { return m_series; }

    PlotCanvas *canvas() const { return m_canvas; }
    QString infoText() const;

public slots:
    void rebuild();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    QLabel *m_typeLabel = nullptr;
    void refillDeviceBoxes();
    void updateDeviceBoxesVisible();

    QList<ChartSeries> m_series;
    QComboBox *m_typeBox = nullptr;
    QLabel *m_xLabel = nullptr;
    QComboBox *m_xBox = nullptr;
    QLabel *m_yLabel = nullptr;
    QComboBox *m_yBox = nullptr;
    QCheckBox *m_gridBox = nullptr;
    QLabel *m_infoLabel = nullptr;
    QLabel *m_sourceLabel = nullptr;
    PlotCanvas *m_canvas = nullptr;
};
