// The cost of one full model calculation and of converting the fifteen default field texts.
#include <benchmark/benchmark.h>

#include "antenna.h"
#include "prediction.h"
#include "sweep.h"
#include "text_to_float.h"

namespace {

using namespace corvane;

const char* const kDefaultTexts[] = {"1420", "4.6", ".5", "50", "1.000", "85", "0.024788", "1.20921", "10",
                                     "60", "1", "1", "1420", "4.6", "50"};

SensitivityInputs Defaults() {
    SensitivityInputs in;
    in.F0 = 1420;
    in.Antenna = AntennaMode::Dish;
    in.Dia = 4.6;
    in.SourceType = SourceMode::Flux;
    in.NF = 0.5;
    in.Eff = 50;
    in.Ks = 1;
    in.RXgain = 85;
    in.DetSlope = 0.024788;
    in.DetInt = 1.20921;
    in.Source = 10;
    in.DetBW = 60;
    in.IntTime = 1;
    in.NumRecords = 1;
    return in;
}

void FullCalculation(benchmark::State& state) {
    const SensitivityInputs in = Defaults();
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
