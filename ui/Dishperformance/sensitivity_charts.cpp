// Chart settings, the sweep's curves and the cursor readouts.
#include "sensitivity_charts.h"

#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QMouseEvent>
#include <QPen>
#include <cmath>
#include <limits>

#include "axis_format.h"
#include "number_format.h"

namespace corvane {
namespace {

constexpr double kLegendTop = 0.19;  // legend's top edge, as a share of the chart's height
constexpr int kFontPixels = 11;

struct ChartSettings {
    QString titleLines;  // two lines, "\n" between
    QString bottomTitle;
    QString leftTitle;
    std::array<const char*, SweepGrid::kTimes> seriesNames;
    std::array<QColor, SweepGrid::kTimes> colours;
};

const ChartSettings kDeltaJySettings{
    "Detectable Flux Density Change\nVS Receiver BW and Integration Time",
    " Bandwidth (MHz)",
    "Jansky (-26 W/m2/Hz)",
    {"Series1", "Series2", "Series3", "Series4"},
    {QColor(255, 0, 0), QColor(128, 255, 0), QColor(0, 255, 255), QColor(255, 128, 255)}};

const ChartSettings kRMSnoiseSettings{
    "          Minimum Detectable Temperature Change\n          vs Receiver BW and Integration time",
    "Bandwidth (MHz)",
    "mKelvin",
    {"Series10", "Series11", "Series12", "Series13"},
    {QColor(255, 0, 0), QColor(128, 255, 0), QColor(0, 255, 255), QColor(255, 0, 255)}};

QFont ChartFont(bool bold = false) {
    QFont font("Liberation Sans");
    font.setPixelSize(kFontPixels);
    font.setBold(bold);
    return font;
}

// Chart titles are rich text: keep the blanks and break the line.
QString TitleHtml(const QString& lines) {
    QString html = lines.toHtmlEscaped();
    html.replace(' ', "&nbsp;");
    html.replace('\n', "<br>");
    return html;
}

QLogValueAxis* LogAxis(const QString& title) {
    auto* axis = new QLogValueAxis;
    axis->setBase(10);
    axis->setTitleText(title);
    axis->setTitleFont(ChartFont(true));
    axis->setLabelsFont(ChartFont());
    // Localised "%.6g" gives the decades as "#,##0.###" does: 0.001 … 1,000.
    axis->setLabelFormat(QStringLiteral("%.6g"));
    axis->setMinorTickCount(8);
    axis->setMinorGridLineVisible(false);
    return axis;
}

bool Drawable(double y) { return std::isfinite(y) && y > 0; }

// Qt Charts finds a log axis' first label by rounding log10(min) up, and log10(0.001) comes
// out a hair above -3, which would drop the label of the minimum. Opening the range by a
// relative 1e-12 keeps that label without any visible change to the axis.
void SetLogRange(QLogValueAxis* axis, double min, double max) { axis->setRange(min * (1 - 1e-12), max); }

}  // namespace

SensitivityCharts::SensitivityCharts(QChartView* deltaJyChart, QLabel* deltaJyCursor, QChartView* rmsNoiseChart,
                                     QLabel* rmsNoiseCursor)
    : QObject(deltaJyChart), deltaJyView_(deltaJyChart), rmsView_(rmsNoiseChart) {
    const auto configure = [this](QChartView* view, const ChartSettings& s,
                                  std::array<QLineSeries*, SweepGrid::kTimes>& series, QLogValueAxis*& left) {
        auto* chart = new QChart;
        chart->setProperty("plainTitle", s.titleLines);
        chart->setTitle(TitleHtml(s.titleLines));
        chart->setTitleFont(ChartFont(true));
        chart->setTitleBrush(Qt::blue);
        chart->setBackgroundBrush(Qt::white);
        chart->setBackgroundRoundness(0);
        chart->setPlotAreaBackgroundVisible(false);
        chart->setMargins(QMargins(2, 0, 2, 2));
        chart->layout()->setContentsMargins(0, 0, 0, 0);
        chart->setLocalizeNumbers(true);
        chart->setLocale(QLocale());

        auto* bottom = LogAxis(s.bottomTitle);
        SetLogRange(bottom, 0.001, 1000);
        left = LogAxis(s.leftTitle);
        chart->addAxis(bottom, Qt::AlignBottom);
        chart->addAxis(left, Qt::AlignLeft);
        for (int i = 0; i < SweepGrid::kTimes; ++i) {
            series[i] = new QLineSeries(chart);
            series[i]->setName(s.seriesNames[i]);
            series[i]->setPen(QPen(s.colours[i], 2));
            series[i]->setPointsVisible(false);
            chart->addSeries(series[i]);
            series[i]->attachAxis(bottom);
            series[i]->attachAxis(left);
        }
        chart->legend()->setAlignment(Qt::AlignRight);
        chart->legend()->setFont(ChartFont());
        chart->legend()->detachFromChart();
        chart->legend()->setBackgroundVisible(true);
        chart->legend()->setBrush(Qt::white);
        chart->legend()->setPen(QPen(Qt::gray));

        // The view gives up its own first chart without deleting it.
        QChart* initial = view->chart();
        view->setChart(chart);
        delete initial;
        view->setRenderHint(QPainter::Antialiasing);
        view->setCursor(Qt::CrossCursor);
        view->viewport()->setMouseTracking(true);
        view->viewport()->installEventFilter(this);
        connect(chart, &QGraphicsWidget::geometryChanged, this, [this, chart] { PlaceLegend(chart); });
        PlaceLegend(chart);
    };
    QLogValueAxis* deltaJyLeft = nullptr;
    configure(deltaJyView_, kDeltaJySettings, deltaJySeries_, deltaJyLeft);
    SetLogRange(deltaJyLeft, 0.01, 1000);
    configure(rmsView_, kRMSnoiseSettings, rmsSeries_, rmsLeft_);
    SetLogRange(rmsLeft_, 0.01, 1000);

    deltaJyReadout_ = {deltaJyView_, deltaJyCursor, deltaJySeries_[0], " Jy "};
    rmsReadout_ = {rmsView_, rmsNoiseCursor, rmsSeries_[0], " mK   "};
}

QChart* SensitivityCharts::DeltaJy() const { return deltaJyView_->chart(); }
QChart* SensitivityCharts::RMSnoise() const { return rmsView_->chart(); }

QString SensitivityCharts::PlainTitle(const QChart* chart) { return chart->property("plainTitle").toString(); }

void SensitivityCharts::PlotSweep(const SweepGrid& grid) {
    double rmsMin = std::numeric_limits<double>::infinity();
    double rmsMax = 0;
    for (int i = 0; i < SweepGrid::kTimes; ++i) {
        const QString title = QString::fromStdString(FormatFloat("%4.0f sec", grid.IntTimes[i]));
        QList<QPointF> jy, mK;
        for (int j = 0; j < SweepGrid::kBandwidths; ++j) {
            const double mhz = grid.Bandwidths[j] / 1e6;
            const double milliK = grid.DeltaT[i][j] * 1000;
            // A logarithmic axis cannot place zero, negative or infinite values: leave them out.
            if (Drawable(grid.DeltaJy[i][j])) jy.append({mhz, grid.DeltaJy[i][j]});
            if (Drawable(milliK)) {
                mK.append({mhz, milliK});
                rmsMin = std::min(rmsMin, milliK);
                rmsMax = std::max(rmsMax, milliK);
            }
        }
        deltaJySeries_[i]->setName(title);
        deltaJySeries_[i]->replace(jy);
        rmsSeries_[i]->setName(title);
        rmsSeries_[i]->replace(mK);
    }
    if (rmsMax > 0) SetLogRange(rmsLeft_, rmsMin, rmsMax);
    PlaceLegend(DeltaJy());
    PlaceLegend(RMSnoise());
}

void SensitivityCharts::PlaceLegend(QChart* chart) {
    QLegend* legend = chart->legend();
    // A marker, its name and the frame around the entries, one entry per line.
    const QFontMetricsF metrics(legend->font());
    qreal widest = 0;
    const auto markers = legend->markers();
    for (const auto* marker : markers) widest = std::max(widest, metrics.horizontalAdvance(marker->label()));
    const QSizeF size(widest + 40, markers.size() * (metrics.height() + 10) + 16);
    // Placed again whenever the chart's geometry changes, so its size here is the one in force.
    const QSizeF chartSize = chart->size();
    legend->setGeometry(
        QRectF(chartSize.width() - size.width() - 4, chartSize.height() * kLegendTop, size.width(), size.height()));
    chart->setMargins(QMargins(2, 0, static_cast<int>(size.width()) + 8, 2));
    legend->update();
}

void SensitivityCharts::DeltaJyChartMouseMove(QPointF pos) { MouseMove(deltaJyReadout_, pos); }
void SensitivityCharts::RMSnoiseChartMouseMove(QPointF pos) { MouseMove(rmsReadout_, pos); }

void SensitivityCharts::MouseMove(const Readout& readout, QPointF pos) {
    QChart* chart = readout.view->chart();
    const QPointF point = chart->mapFromScene(readout.view->viewportTransform().inverted().map(pos));
    const QRectF plot = chart->plotArea();
    // The right and bottom edges lie outside.
    const bool inside =
        plot.left() <= point.x() && point.x() < plot.right() && plot.top() <= point.y() && point.y() < plot.bottom();
    if (!inside) return;
    const QPointF value = chart->mapToValue(point, readout.firstSeries);
    const QLocale locale;
    readout.label->setText(FormatAxisValue(value.y(), locale) + readout.unit + FormatAxisValue(value.x(), locale) +
                           " MHz");
}

bool SensitivityCharts::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        const QPointF pos = static_cast<QMouseEvent*>(event)->position();
        if (watched == deltaJyView_->viewport()) DeltaJyChartMouseMove(pos);
        if (watched == rmsView_->viewport()) RMSnoiseChartMouseMove(pos);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace corvane
