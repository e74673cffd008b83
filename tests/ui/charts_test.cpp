// The two charts: curves after a calculation, their titles and colours, and the cursor readouts.
#include <QChart>
#include <QChartView>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QtTest>

#include "axis_format.h"
#include "recorders.h"
#include "sensitivity_charts.h"
#include "tmainform.h"
#include "ui_mainform.h"

using namespace corvane;
using namespace corvane::testing;

class ChartsTest : public QObject {
    Q_OBJECT

private:
    RecordingErrors errors;
    RecordingNotices notices;
    std::unique_ptr<TMainForm> form;

    SensitivityCharts& charts() { return form->Charts(); }
    Ui::TMainForm& ui() { return form->Form(); }

    void CalculateWorkedExample() {
        ui().AntennaCombo->setCurrentIndex(0);  // a dish, every other field at its initial text
        ui().Analyze->click();
        QVERIFY(errors.shown.empty());
    }

    // The view position of a value pair on a chart.
    static QPointF ViewPoint(QChartView* view, QLineSeries* series, QPointF value) {
        const QPointF inChart = view->chart()->mapToPosition(value, series);
        return view->viewportTransform().map(view->chart()->mapToScene(inChart));
    }

private slots:
    void init() {
        errors.shown.clear();
        form = std::make_unique<TMainForm>(TMainForm::Services{&errors, &notices, [] { return '.'; }});
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    void settingsBeforeAnyCalculation() {
        QCOMPARE(SensitivityCharts::PlainTitle(charts().DeltaJy()),
                 QStringLiteral("Detectable Flux Density Change\nVS Receiver BW and Integration Time"));
        QCOMPARE(SensitivityCharts::PlainTitle(charts().RMSnoise()),
                 QStringLiteral("          Minimum Detectable Temperature Change\n"
                                "          vs Receiver BW and Integration time"));
        const QStringList names{"Series1", "Series2", "Series3", "Series4"};
        const QStringList rmsNames{"Series10", "Series11", "Series12", "Series13"};
        const QList<QColor> colours{QColor(255, 0, 0), QColor(128, 255, 0), QColor(0, 255, 255), QColor(255, 128, 255)};
        const QList<QColor> rmsColours{QColor(255, 0, 0), QColor(128, 255, 0), QColor(0, 255, 255),
                                       QColor(255, 0, 255)};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(charts().DeltaJySeries(i)->name(), names[i]);
            QCOMPARE(charts().RMSnoiseSeries(i)->name(), rmsNames[i]);
            QCOMPARE(charts().DeltaJySeries(i)->pen().color(), colours[i]);
            QCOMPARE(charts().RMSnoiseSeries(i)->pen().color(), rmsColours[i]);
            QCOMPARE(charts().DeltaJySeries(i)->pen().width(), 2);
            QVERIFY(!charts().DeltaJySeries(i)->pointsVisible());
            QCOMPARE(charts().DeltaJySeries(i)->count(), 0);
        }
        const auto bottom = qobject_cast<QLogValueAxis*>(charts().DeltaJy()->axes(Qt::Horizontal).first());
        const auto left = qobject_cast<QLogValueAxis*>(charts().DeltaJy()->axes(Qt::Vertical).first());
        QVERIFY(bottom && left);
        QCOMPARE(bottom->titleText(), QStringLiteral(" Bandwidth (MHz)"));
        QCOMPARE(left->titleText(), QStringLiteral("Jansky (-26 W/m2/Hz)"));
        QVERIFY(qAbs(bottom->min() / 0.001 - 1) < 1e-9 && bottom->max() == 1000);
        QVERIFY(qAbs(left->min() / 0.01 - 1) < 1e-9 && left->max() == 1000);
        QCOMPARE(charts().RMSnoiseLeftAxis()->titleText(), QStringLiteral("mKelvin"));
        QCOMPARE(ui().DeltaJyChart->cursor().shape(), Qt::CrossCursor);
        // The legend's top edge sits 19 % of the chart's height below its top.
        const QRectF legend = charts().DeltaJy()->legend()->geometry();
        QVERIFY2(qAbs(legend.top() - 0.19 * charts().DeltaJy()->size().height()) < 1.0,
                 qPrintable(QString::number(legend.top())));
    }

    void workedExampleCurves() {
        CalculateWorkedExample();
        const QStringList titles{"   1 sec", "  10 sec", " 100 sec", "1000 sec"};
        const QList<double> xs{0.001, 0.01, 0.1, 1, 10, 100, 1000};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(charts().DeltaJySeries(i)->name(), titles[i]);
            QCOMPARE(charts().RMSnoiseSeries(i)->name(), titles[i]);
            const auto jy = charts().DeltaJySeries(i)->points();
            const auto mk = charts().RMSnoiseSeries(i)->points();
            QCOMPARE(jy.size(), 7);
            QCOMPARE(mk.size(), 7);
            for (int j = 0; j < 7; ++j) {
                QCOMPARE(jy[j].x(), xs[j]);
                // Ten times the integration time gives the value of ten times the bandwidth.
                if (i > 0 && j < 6) QCOMPARE(jy[j].y(), charts().DeltaJySeries(i - 1)->points()[j + 1].y());
            }
        }
        const auto first = charts().DeltaJySeries(0)->points();
        QCOMPARE(QString::number(first.front().y(), 'g', 6), QStringLiteral("371.67"));
        QCOMPARE(QString::number(first.back().y(), 'g', 6), QStringLiteral("0.37167"));
        const auto last = charts().RMSnoiseSeries(3)->points();
        QCOMPARE(QString::number(last.front().y(), 'g', 6), QStringLiteral("35.3854"));
        QCOMPARE(QString::number(last.back().y(), 'g', 6), QStringLiteral("0.0353854"));
        // The temperature chart's left axis is fitted to what it plots.
        QCOMPARE(QString::number(charts().RMSnoiseLeftAxis()->max(), 'g', 6), QStringLiteral("1118.98"));
        QVERIFY(qAbs(charts().RMSnoiseLeftAxis()->min() / last.back().y() - 1) < 1e-9);
        const auto markers = charts().DeltaJy()->legend()->markers();
        QCOMPARE(markers.size(), 4);
        QCOMPARE(markers[3]->label(), QStringLiteral("1000 sec"));
    }

    void calculatingTwiceKeepsSevenPointsAndFailuresKeepTheCurves() {
        CalculateWorkedExample();
        ui().Analyze->click();
        QCOMPARE(charts().DeltaJySeries(2)->count(), 7);
        const auto before = charts().RMSnoiseSeries(1)->points();
        ui().NoiseFigure->setText("0");  // stops at G/T
        ui().Analyze->click();
        QCOMPARE(errors.shown.size(), size_t(1));
        QCOMPARE(charts().RMSnoiseSeries(1)->points(), before);
    }

    void pointsALogAxisCannotShowAreLeftOut() {
        ui().AntennaCombo->setCurrentIndex(0);
        ui().SensitivityConstant->setText("0");  // a grid of zeros
        ui().Analyze->click();
        QCOMPARE(charts().DeltaJySeries(0)->count(), 0);
        QCOMPARE(charts().RMSnoiseSeries(0)->name(), QStringLiteral("   1 sec"));
        ui().SensitivityConstant->setText("-1");
        ui().Analyze->click();
        QCOMPARE(charts().RMSnoiseSeries(3)->count(), 0);
        ui().SensitivityConstant->setText("1");
        ui().Analyze->click();
        QCOMPARE(charts().RMSnoiseSeries(3)->count(), 7);
    }

    void readoutInsideThePlotArea() {
        // The flux chart's axes are fixed, so it reads out before any calculation too.
        ui().DeltaJyChart->resize(417, 217);
        const QPointF at = ViewPoint(ui().DeltaJyChart, charts().DeltaJySeries(0), {1, 11.7532});
        charts().DeltaJyChartMouseMove(at);
        QCOMPARE(ui().DeltaJyCursor->text(), QStringLiteral("11.753 Jy 1 MHz"));

        CalculateWorkedExample();
        const QPointF rms = ViewPoint(ui().RMSnoiseChart, charts().RMSnoiseSeries(0), {0.001, 1118.98});
        charts().RMSnoiseChartMouseMove(rms);  // the top edge is inside
        QCOMPARE(ui().RMSnoiseCursor->text(), QStringLiteral("1,118.98 mK   0.001 MHz"));
    }

    void readoutIgnoresEverythingOutsideThePlotArea() {
        CalculateWorkedExample();
        ui().DeltaJyCursor->setText("kept");
        QChart* chart = charts().DeltaJy();
        const QRectF plot = chart->plotArea();
        const auto toView = [&](QPointF p) { return ui().DeltaJyChart->viewportTransform().map(chart->mapToScene(p)); };
        const QPointF outside[] = {
            toView({plot.right(), plot.center().y()}),   // the right edge is outside
            toView({plot.center().x(), plot.bottom()}),  // so is the bottom edge
            toView({plot.center().x(), 5}),              // the title
            toView(chart->legend()->geometry().center()),
            toView({plot.left() - 10, plot.center().y()}),  // the axis labels
        };
        for (const QPointF& p : outside) {
            charts().DeltaJyChartMouseMove(p);
            QCOMPARE(ui().DeltaJyCursor->text(), QStringLiteral("kept"));
        }
        charts().DeltaJyChartMouseMove(toView(plot.topLeft()));  // the top-left corner is inside
        QVERIFY(ui().DeltaJyCursor->text() != QStringLiteral("kept"));
        QCOMPARE(ui().RMSnoiseCursor->text(), QStringLiteral("0,0"));
    }

    void mouseMovesReachTheReadout() {
        const QPointF at = ViewPoint(ui().DeltaJyChart, charts().DeltaJySeries(0), {10, 100});
        QMouseEvent move(QEvent::MouseMove, at, ui().DeltaJyChart->viewport()->mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(ui().DeltaJyChart->viewport(), &move);
        QCOMPARE(ui().DeltaJyCursor->text(), QStringLiteral("100 Jy 10 MHz"));
    }

    void axisFormat_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::newRow("decimals") << 11.7532 << "en_US"
                                  << "11.753";
        QTest::newRow("thousands") << 1118.98 << "en_US"
                                   << "1,118.98";
        QTest::newRow("smallest") << 0.001 << "en_US"
                                  << "0.001";
        QTest::newRow("no decimals") << 1000.0 << "en_US"
                                     << "1,000";
        QTest::newRow("rounds up") << 0.99951 << "en_US"
                                   << "1";
        QTest::newRow("rounds") << 2.34567 << "en_US"
                                << "2.346";
        QTest::newRow("trailing zeros") << 2.5 << "en_US"
                                        << "2.5";
        QTest::newRow("below a thousandth") << 0.0004 << "en_US"
                                            << "0";
        QTest::newRow("negative") << -1234.5 << "en_US"
                                  << "-1,234.5";
        QTest::newRow("negative rounding to zero") << -0.0001 << "en_US"
                                                   << "0";
        QTest::newRow("millions") << 1234567.0 << "en_US"
                                  << "1,234,567";
        QTest::newRow("swapped separators") << 1118.98 << "de_DE"
                                            << "1.118,98";
        QTest::newRow("swapped, small") << 0.001 << "de_DE"
                                        << "0,001";
    }

    void axisFormat() {
        QFETCH(double, value);
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QCOMPARE(FormatAxisValue(value, QLocale(locale)), text);
    }
};

QTEST_MAIN(ChartsTest)
#include "charts_test.moc"
