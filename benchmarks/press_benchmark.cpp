// The time of one full "Calculate" press in the main window: every field written and both
// charts re-plotted, and the same with the window repainted.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QChartView>
#include <QPushButton>
#include <memory>

#include "presenters.h"
#include "tmainform.h"
#include "ui_mainform.h"

namespace {

struct Silent : corvane::ErrorPresenter, corvane::NoticePresenter {
    void ShowError(const std::string&) override {}
    void ShowNotice(const std::string&) override {}
};

// The window lives from after the application's start to before its end.
corvane::TMainForm* window = nullptr;

corvane::TMainForm& Window() { return *window; }

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
    Silent silent;
    auto form = std::make_unique<corvane::TMainForm>(
        corvane::TMainForm::Services{&silent, &silent, [] { return '.'; }, nullptr});
    form->Form().AntennaCombo->setCurrentIndex(0);
    form->Form().SourceCombo->setCurrentIndex(0);
    form->show();
    QApplication::processEvents();
    window = form.get();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    form.reset();
    benchmark::Shutdown();
    return 0;
}
