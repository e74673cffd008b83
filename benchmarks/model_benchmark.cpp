// The cost of one full model calculation and of converting the window's default field texts.
#include <benchmark/benchmark.h>

#include "calculation_log.h"
#include "text_to_float.h"

namespace {

using namespace corvane;

// The initial texts of the twelve numeric input fields (the two lists hold no number).
const char* const kDefaultTexts[] = {"1420", "4.6", ".5", "50",       "1.000",   "10",
                                     "85",   "1",   "1",  "0.024788", "1.20921", "60"};

void FullCalculation(benchmark::State& state) {
    const SensitivityInputs in = corvane::testing::DefaultInputs(SourceMode::Flux);
    const NoticeHandler notices;
    for (auto _ : state) {
        const AntennaFigures a = ComputeAntennaFigures(in, notices);
        benchmark::DoNotOptimize(ComputeGoverT(a, notices));
        benchmark::DoNotOptimize(ComputePrediction(in, a, notices, {}));
        benchmark::DoNotOptimize(ComputeSweepGrid(in.Ks, a.Tsys, a.Aeff));
    }
}
BENCHMARK(FullCalculation);

void ConvertDefaultTexts(benchmark::State& state) {
    for (auto _ : state)
        for (const char* text : kDefaultTexts) benchmark::DoNotOptimize(TextToDouble(text, '.'));
}
BENCHMARK(ConvertDefaultTexts);

}  // namespace

BENCHMARK_MAIN();
