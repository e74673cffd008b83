// The floor of this stack: the smallest Qt Widgets window that shows a Qt Charts chart with
// logarithmic axes, at the size of Corvane's main window. Start-up and memory are measured
// against it.
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QVBoxLayout>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Corvane floor");
    auto* series = new QLineSeries;
    *series << QPointF(0.001, 371.67) << QPointF(1000, 0.37167);
    auto* chart = new QChart;
    chart->addSeries(series);
    auto* x = new QLogValueAxis;
    auto* y = new QLogValueAxis;
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QChartView(chart));
    window.resize(897, 740);
    window.move(216, 151);
    window.show();
    return app.exec();
}
