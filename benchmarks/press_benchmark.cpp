// The time of one full "Calculate" press in the main window: every field written and both
// charts re-plotted, and the same with the window repainted.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QChartView>
#include <QPushButton>

#include "presenters.h"
#include "tmainform.h"
#include "ui_mainform.h"

namespace {

struct Silent : corvane::ErrorPresenter, corvane::NoticePresenter {
    void ShowError(const std::string&) override {}
    void ShowNotice(const std::string&) override {}
};

corvane::TMainForm& Window() {
    static Silent silent;
    static corvane::TMainForm form({&silent, &silent, [] { return '.'; }, nullptr});
    static bool shown = [] {
        form.Form().AntennaCombo->setCurrentIndex(0);
        form.Form().SourceCombo->setCurrentIndex(0);
        form.show();
        QApplication::processEvents();
        return true;
    }();
    (void)shown;
    return form;
}

void FullPress(benchmark::State& state) {
    corvane::TMainForm& form = Window();
    for (auto _ : state) form.Form().Analyze->click();
}
BENCHMARK(FullPress)->Unit(benchmark::kMicrosecond);

void FullPressAndPaint(benchmark::State& state) {
    corvane::TMainForm& form = Window();
    for (auto _ : state) {
        form.Form().Analyze->click();
        form.repaint();  // every field and both charts drawn now, not at the next event
    }
}
BENCHMARK(FullPressAndPaint)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
