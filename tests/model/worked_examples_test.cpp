// The worked examples of the antenna figures, the five source modes and the sweep.
#include <gtest/gtest.h>

#include <cmath>

#include "calculation_log.h"

namespace corvane::testing {
namespace {

struct AntennaCase {
    const char* name;
    AntennaMode antenna;
    double antennaValue;
    double F0, Eff;
    std::vector<std::string> shown;  // WaveLength, AntennaAperature, DishGain, BeamWidth, SystemTemp, GoverT
};
void PrintTo(const AntennaCase& c, std::ostream* os) { *os << c.name; }

class AntennaExample : public ::testing::TestWithParam<AntennaCase> {};

TEST_P(AntennaExample, ShowsTheSixFigures) {
    const AntennaCase& c = GetParam();
    SensitivityInputs in = DefaultInputs();
    in.Antenna = c.antenna;
    in.F0 = c.F0;
    in.Eff = c.Eff;
    if (c.antenna == AntennaMode::Dish) in.Dia = c.antennaValue;
    if (c.antenna == AntennaMode::Beam) in.HPBW = c.antennaValue;
    if (c.antenna == AntennaMode::Unselected) in.Dia = 5;  // what the reading leaves when no item is picked

    const AntennaFigures a = ComputeAntennaFigures(in, {});
    const std::vector<std::string> shown{FormatAntennaFigure(a.Lamda), FormatAntennaFigure(a.Aeff),
                                         FormatAntennaFigure(a.G),     FormatAntennaFigure(a.HPBW),
                                         FormatAntennaFigure(a.Tsys),  FormatAntennaFigure(ComputeGoverT(a, {}))};
    EXPECT_EQ(shown, c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Figures, AntennaExample,
    ::testing::Values(
        AntennaCase{"Dish", AntennaMode::Dish, 4.6, 1420, 50, {"0.21", "8.31", "33.69", "3.10", "35.39", "66.11"}},
        AntennaCase{"Beam", AntennaMode::Beam, 4.6, 1420, 50, {"0.21", "3.77", "30.26", "4.60", "35.39", "30.03"}},
        AntennaCase{
            "Unselected", AntennaMode::Unselected, 0, 1420, 50, {"0.21", "9.82", "34.42", "45.00", "35.39", "78.11"}},
        AntennaCase{
            "FullEfficiency", AntennaMode::Dish, 4.6, 1420, 100, {"0.21", "16.62", "33.69", "3.10", "35.39", "66.11"}},
        AntennaCase{"NegativeFrequency",
                    AntennaMode::Dish,
                    4.6,
                    -1420,
                    50,
                    {"-0.21", "8.31", "33.69", "-3.10", "35.39", "66.11"}}),
    [](const auto& info) { return info.param.name; });

TEST(AntennaExample, StoredFiguresOfTheDefaultDish) {
    const AntennaFigures a = ComputeAntennaFigures(DefaultInputs(), {});
    EXPECT_NEAR(a.Aeff, 8.3095126, 5e-8);
    EXPECT_NEAR(a.Tsys, 35.3853517, 5e-8);
    EXPECT_NEAR(a.Gdec, 2339.4814, 5e-5);

    SensitivityInputs beam = DefaultInputs();
    beam.Antenna = AntennaMode::Beam;
    beam.HPBW = 4.6;
    EXPECT_NEAR(ComputeAntennaFigures(beam, {}).Dia, 3.1001, 5e-5);
}

struct ModeCase {
    const char* name;
    SourceMode mode;
    double source;
    std::vector<std::string> shown;  // every prediction field written, in order
};
void PrintTo(const ModeCase& c, std::ostream* os) { *os << c.name; }

class PredictionExample : public ::testing::TestWithParam<ModeCase> {};

TEST_P(PredictionExample, WritesEveryFieldInOrder) {
    const ModeCase& c = GetParam();
    const CalculationLog log = RunCalculation(DefaultInputs(c.mode, c.source));
    ASSERT_EQ(log.errorType, "");
    const std::vector<std::string> prediction(log.events.begin() + 6, log.events.end() - 1);
    EXPECT_EQ(prediction, c.shown);
    EXPECT_EQ(log.events.back(), "sweep");
}

// Common to every mode: the voltage without the source, the noise floor, Tsys and the discernible change.
std::vector<std::string> With(std::vector<std::string> head, const char* detInput, const char* volts,
                              const char* delta) {
    head.push_back(std::string("DetInputEdit=") + detInput);
    head.push_back(std::string("DetectorVoltage=") + volts);
    head.push_back("DetectorVoltageWO=0.7052337333");
    head.push_back(std::string("DeltaFluxV=") + delta);
    head.push_back("RXfloordBm=-105.33");
    head.push_back("RXfloorK=35.3854");
    head.push_back("DeltaTedit=4.5682");
    return head;
}

INSTANTIATE_TEST_SUITE_P(
    Modes, PredictionExample,
    ::testing::Values(ModeCase{"Flux", SourceMode::Flux, 10,
                               With({"AntTemp=0.0301", "InputSrcTop=30.1069", "InputSrcBot=-136.03"}, "-20.3278",
                                    "0.7053252887", " 0.09155542")},
                      ModeCase{"DeltaTemp", SourceMode::DeltaTemp, 0.1,
                               With({"AntTemp=0.1000", "InputSrcTop=33.2149", "InputSrcBot=-130.8197"}, "-20.3192",
                                    "0.7055375344", " 0.30380110")},
                      ModeCase{"FeedPower", SourceMode::FeedPower, -130,
                               With({"AntTemp=0.1208", "InputSrcTop=40.1147", "InputSrcBot=120.7729"}, "-20.3167",
                                    "0.7056005354", " 0.36680214")},
                      ModeCase{"DetectorOutput", SourceMode::DetectorOutput, 0.71,
                               With({"AntTemp=0.0316", "InputSrcTop=10.5026", "InputSrcBot=-135.8201"}, "-20.1392",
                                    "0.7100000000", " 4.76626671")},
                      ModeCase{"Unselected", SourceMode::Unselected, 10,
                               With({}, "-50.0000", "-0.0301900000", "-735.42373329")}),
    [](const auto& info) { return info.param.name; });

TEST(PredictionExample, DetectorOutputFeedInputAndSetFigures) {
    const SensitivityInputs in = DefaultInputs(SourceMode::DetectorOutput, 0.71);
    const PredictionFigures f = ComputePrediction(in, ComputeAntennaFigures(in, {}), {}, {});
    ASSERT_TRUE(f.FeedInput);
    EXPECT_EQ(FormatPrediction(*f.FeedInput, "%6.4f"), "-135.8201");
    EXPECT_EQ(FormatPrediction(*f.SourcedBm, "%6.4f"), "-135.8201");

    const PredictionFigures flux =
        ComputePrediction(DefaultInputs(SourceMode::Flux), ComputeAntennaFigures(in, {}), {}, {});
    EXPECT_FALSE(flux.SourceJy);
    EXPECT_FALSE(flux.FeedInput);
    EXPECT_TRUE(flux.Tant && flux.SourcedBm);
}

TEST(SourceCaptions, PairOfEachMode) {
    EXPECT_EQ(SourceCaptions(SourceMode::Flux)->InputTop, "Added Temp. from Source (mK)");
    EXPECT_EQ(SourceCaptions(SourceMode::Flux)->InputBot, "Source Power at LNA (dBm)");
    EXPECT_EQ(SourceCaptions(SourceMode::DeltaTemp)->InputTop, "Source Power (Jy)");
    EXPECT_EQ(SourceCaptions(SourceMode::FeedPower)->InputBot, "Added Temp. from Source (mK)");
    EXPECT_EQ(SourceCaptions(SourceMode::DetectorOutput)->InputBot, "Source Power at LNA (dBm)");
    EXPECT_FALSE(SourceCaptions(SourceMode::Unselected));
}

TEST(ModeTexts, ExactWholeTextOnly) {
    EXPECT_EQ(AntennaModeFromText("Dish Dia. (m)"), AntennaMode::Dish);
    EXPECT_EQ(AntennaModeFromText("3dB Beam (deg)"), AntennaMode::Beam);
    EXPECT_EQ(SourceModeFromText(" Flux (Jy)"), SourceMode::Flux);
    EXPECT_EQ(SourceModeFromText(" Delta Temp. (K)"), SourceMode::DeltaTemp);
    EXPECT_EQ(SourceModeFromText(" Feed Power (dBm)"), SourceMode::FeedPower);
    EXPECT_EQ(SourceModeFromText(" Detector Output (V)"), SourceMode::DetectorOutput);
    for (const char* text : {"", "dish dia. (m)", "Dish Dia. (m) ", "Flux (Jy)", " flux (Jy)", " Flux (Jy) "}) {
        EXPECT_EQ(AntennaModeFromText(text), AntennaMode::Unselected) << '"' << text << '"';
        EXPECT_EQ(SourceModeFromText(text), SourceMode::Unselected) << '"' << text << '"';
    }
}

// Six significant digits, compared as the sweep table prints them.
std::string Sig6(double v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.6g", v);
    return buffer;
}

TEST(SweepExample, TableByBandwidthTimesIntegrationTime) {
    const AntennaFigures a = ComputeAntennaFigures(DefaultInputs(), {});
    const SweepGrid g = ComputeSweepGrid(1, a.Tsys, a.Aeff);
    struct Row {
        const char* deltaT;
        const char* deltaJy;
    };
    const Row byDecade[] = {// B × t from 1e3 to 1e12
                            {"1.11898", "371.67"},       {"0.353854", "117.532"},     {"0.111898", "37.167"},
                            {"0.0353854", "11.7532"},    {"0.0111898", "3.7167"},     {"0.00353854", "1.17532"},
                            {"0.00111898", "0.37167"},   {"0.000353854", "0.117532"}, {"0.000111898", "0.037167"},
                            {"3.53854e-05", "0.0117532"}};
    for (int i = 0; i < SweepGrid::kTimes; ++i) {
        for (int j = 0; j < SweepGrid::kBandwidths; ++j) {
            const Row& row = byDecade[i + j];
            EXPECT_EQ(Sig6(g.DeltaT[i][j]), row.deltaT) << "time " << i << " bandwidth " << j;
            EXPECT_EQ(Sig6(g.DeltaJy[i][j]), row.deltaJy) << "time " << i << " bandwidth " << j;
        }
    }
    EXPECT_EQ(g.IntTimes, (std::array<double, 4>{1, 10, 100, 1000}));
    EXPECT_EQ(g.Bandwidths, (std::array<double, 7>{1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9}));
    EXPECT_DOUBLE_EQ(g.DeltaT[0][3], a.Tsys / 1000);  // 1 s and 1 MHz: Ks × Tsys in millikelvin
}

TEST(SweepExample, Invariants) {
    const double Ks = 1.3, Tsys = 52.1, Aeff = 7.25;
    const SweepGrid g = ComputeSweepGrid(Ks, Tsys, Aeff);
    const double ratio = 2.76e-23 / Aeff / 1e-26;
    for (int i = 0; i < SweepGrid::kTimes; ++i) {
        for (int j = 0; j < SweepGrid::kBandwidths; ++j) {
            EXPECT_NEAR(g.DeltaJy[i][j] / g.DeltaT[i][j], ratio, ratio * 1e-14);
            if (j > 0) {
                EXPECT_NEAR(g.DeltaT[i][j - 1] / g.DeltaT[i][j], std::sqrt(10.0), 1e-12);
            }
            if (i + 1 < SweepGrid::kTimes && j > 0) {
                EXPECT_DOUBLE_EQ(g.DeltaT[i][j], g.DeltaT[i + 1][j - 1]);
            }
        }
    }
    const SweepGrid doubled = ComputeSweepGrid(2 * Ks, Tsys, Aeff);
    const SweepGrid wider = ComputeSweepGrid(Ks, Tsys, 2 * Aeff);
    const SweepGrid zero = ComputeSweepGrid(0, Tsys, Aeff);
    for (int i = 0; i < SweepGrid::kTimes; ++i) {
        for (int j = 0; j < SweepGrid::kBandwidths; ++j) {
            EXPECT_DOUBLE_EQ(doubled.DeltaT[i][j], 2 * g.DeltaT[i][j]);
            EXPECT_DOUBLE_EQ(doubled.DeltaJy[i][j], 2 * g.DeltaJy[i][j]);
            EXPECT_DOUBLE_EQ(wider.DeltaT[i][j], g.DeltaT[i][j]);
            EXPECT_DOUBLE_EQ(wider.DeltaJy[i][j], g.DeltaJy[i][j] / 2);
            EXPECT_EQ(zero.DeltaT[i][j], 0);
            EXPECT_EQ(zero.DeltaJy[i][j], 0);
        }
    }
}

}  // namespace
}  // namespace corvane::testing
