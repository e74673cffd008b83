// The two log-log charts of the main window and their cursor readouts.
#pragma once

#include <QObject>
#include <QString>
#include <array>

#include "sweep.h"

class QChart;
class QChartView;
class QLabel;
class QLineSeries;
class QLogValueAxis;
class QMouseEvent;

namespace corvane {

class SensitivityCharts : public QObject {
    Q_OBJECT

public:
    // Takes the two chart views and readout labels of the layout and gives them their settings.
    SensitivityCharts(QChartView* deltaJyChart, QLabel* deltaJyCursor, QChartView* rmsNoiseChart,
                      QLabel* rmsNoiseCursor);

    // Replaces every point and title of both charts with the grid's curves.
    void PlotSweep(const SweepGrid& grid);

    // Handlers of the mouse moving over each chart; `pos` is in the chart view's pixels.
    void DeltaJyChartMouseMove(QPointF pos);
    void RMSnoiseChartMouseMove(QPointF pos);

    QLineSeries* DeltaJySeries(int i) const { return deltaJySeries_[i]; }
    QLineSeries* RMSnoiseSeries(int i) const { return rmsSeries_[i]; }
    QChart* DeltaJy() const;
    QChart* RMSnoise() const;
    QLogValueAxis* RMSnoiseLeftAxis() const { return rmsLeft_; }

    static QString PlainTitle(const QChart* chart);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Readout {
        QChartView* view;
        QLabel* label;
        QLineSeries* firstSeries;
        const char* unit;  // between the two values, blanks included
    };
    void MouseMove(const Readout& readout, QPointF pos);
    void PlaceLegend(QChart* chart);

    QChartView* deltaJyView_;
    QChartView* rmsView_;
    std::array<QLineSeries*, SweepGrid::kTimes> deltaJySeries_{};
    std::array<QLineSeries*, SweepGrid::kTimes> rmsSeries_{};
    QLogValueAxis* rmsLeft_ = nullptr;
    Readout deltaJyReadout_{};
    Readout rmsReadout_{};
};

}  // namespace corvane
