// Where a calculation stops, which error or notices it gives, and what it had shown before.
#include <gtest/gtest.h>

#include <functional>

#include "calculation_log.h"

namespace corvane::testing {
namespace {

struct FailureCase {
    const char* name;
    std::function<void(SensitivityInputs&)> change;
    std::vector<std::string> events;  // the whole log from the first antenna figure on
};
void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

class FailureTable : public ::testing::TestWithParam<FailureCase> {};

TEST_P(FailureTable, StopsAtTheFailingStep) {
    const FailureCase& c = GetParam();
    SensitivityInputs in = DefaultInputs();
    c.change(in);
    EXPECT_EQ(RunCalculation(in).events, c.events);
}

const std::vector<std::string> kAntenna{"WaveLength=0.21", "AntennaAperature=8.31", "DishGain=33.69",
                                        "BeamWidth=3.10",  "SystemTemp=35.39",      "GoverT=66.11"};

std::vector<std::string> AfterAntenna(std::vector<std::string> rest) {
    std::vector<std::string> all = kAntenna;
    all.insert(all.end(), rest.begin(), rest.end());
    return all;
}

// The prediction up to RXfloorK, for a mode's source fields.
std::vector<std::string> ThroughNoiseFloor(std::vector<std::string> source, const char* detInput, const char* volts,
                                           const char* delta) {
    std::vector<std::string> all = AfterAntenna(std::move(source));
    for (std::string e : {std::string("DetInputEdit=") + detInput, std::string("DetectorVoltage=") + volts,
                          std::string("DetectorVoltageWO=0.7052337333"), std::string("DeltaFluxV=") + delta,
                          std::string("RXfloordBm=-105.33"), std::string("RXfloorK=35.3854")})
        all.push_back(e);
    return all;
}

void Set(SensitivityInputs& in, SourceMode mode, double source) {
    in.SourceType = mode;
    in.Source = source;
}

INSTANTIATE_TEST_SUITE_P(
    Antenna, FailureTable,
    ::testing::Values(FailureCase{"ZeroFrequency", [](auto& in) { in.F0 = 0; }, {"error: EZeroDivide"}},
                      FailureCase{"ZeroBeamwidth",
                                  [](auto& in) {
                                      in.Antenna = AntennaMode::Beam;
                                      in.HPBW = 0;
                                  },
                                  {"error: EZeroDivide"}},
                      FailureCase{"ZeroDiameter", [](auto& in) { in.Dia = 0; }, {"error: EZeroDivide"}},
                      FailureCase{
                          "WavelengthBeyondDoubleRange", [](auto& in) { in.F0 = 1e-310; }, {"error: EOverflow"}},
                      FailureCase{"ZeroNoiseFigure",
                                  [](auto& in) { in.NF = 0; },
                                  {"WaveLength=0.21", "AntennaAperature=8.31", "DishGain=33.69", "BeamWidth=3.10",
                                   "SystemTemp=0.00", "error: EZeroDivide"}}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Prediction, FailureTable,
    ::testing::Values(
        FailureCase{"FluxOfZero", [](auto& in) { Set(in, SourceMode::Flux, 0); }, AfterAntenna({"error: EZeroDivide"})},
        FailureCase{"NegativeFlux", [](auto& in) { Set(in, SourceMode::Flux, -1); },
                    AfterAntenna({"error: EInvalidOp"})},
        FailureCase{"DetectorSlopeZero",
                    [](auto& in) {
                        Set(in, SourceMode::DetectorOutput, 0.71);
                        in.DetSlope = 0;
                    },
                    AfterAntenna({"error: EZeroDivide"})},
        FailureCase{"DetectorSlopeZeroAtIntercept",
                    [](auto& in) {
                        Set(in, SourceMode::DetectorOutput, 1.20921);
                        in.DetSlope = 0;
                    },
                    AfterAntenna({"error: EInvalidOp"})},
        FailureCase{"DetectorOutputNoEfficiency",
                    [](auto& in) {
                        Set(in, SourceMode::DetectorOutput, 0.71);
                        in.Eff = 0;
                    },
                    {"WaveLength=0.21", "AntennaAperature=0.00", "DishGain=33.69", "BeamWidth=3.10", "SystemTemp=35.39",
                     "GoverT=66.11", "error: EZeroDivide"}},
        FailureCase{"DetectorOutputNegativeEfficiency",
                    [](auto& in) {
                        Set(in, SourceMode::DetectorOutput, 0.71);
                        in.Eff = -50;
                    },
                    {"WaveLength=0.21", "AntennaAperature=-8.31", "DishGain=33.69", "BeamWidth=3.10",
                     "SystemTemp=35.39", "GoverT=66.11", "error: EInvalidOp"}},
        FailureCase{"FluxNoBandwidth",
                    [](auto& in) {
                        Set(in, SourceMode::Flux, 10);
                        in.DetBW = 0;
                    },
                    AfterAntenna({"error: EZeroDivide"})},
        FailureCase{"FeedPowerNoBandwidth",
                    [](auto& in) {
                        Set(in, SourceMode::FeedPower, -130);
                        in.DetBW = 0;
                    },
                    AfterAntenna({"error: EZeroDivide"})},
        FailureCase{"DetectorOutputNoBandwidth",
                    [](auto& in) {
                        Set(in, SourceMode::DetectorOutput, 0.71);
                        in.DetBW = 0;
                    },
                    AfterAntenna({"error: EZeroDivide"})},
        FailureCase{"DeltaTempNoBandwidth",
                    [](auto& in) {
                        Set(in, SourceMode::DeltaTemp, 0.1);
                        in.DetBW = 0;
                    },
                    AfterAntenna({"notice: log10: SING error", "notice: log10: SING error", "AntTemp=0.1000",
                                  "InputSrcTop=33.2149", "InputSrcBot=  -INF", "DetInputEdit=  -INF",
                                  "notice: log10: SING error", "DetectorVoltage=       -INF",
                                  "DetectorVoltageWO=       -INF", "error: EInvalidOp"})},
        FailureCase{"UnselectedNoBandwidth", [](auto& in) { in.DetBW = 0; },
                    AfterAntenna({"DetInputEdit=-50.0000", "notice: log10: SING error", "DetectorVoltage=-0.0301900000",
                                  "DetectorVoltageWO=       -INF", "DeltaFluxV=       +INF", "error: EZeroDivide"})},
        FailureCase{"DeltaTempOfZero", [](auto& in) { Set(in, SourceMode::DeltaTemp, 0); },
                    AfterAntenna({"notice: log10: SING error", "AntTemp=0.0000", "InputSrcTop=0.0000",
                                  "InputSrcBot=  -INF", "DetInputEdit=-20.3315", "DetectorVoltage=0.7052337333",
                                  "DetectorVoltageWO=0.7052337333", "DeltaFluxV= 0.00000000", "RXfloordBm=-105.33",
                                  "RXfloorK=35.3854", "DeltaTedit=4.5682", "sweep"})},
        FailureCase{"NoIntegrationTime",
                    [](auto& in) {
                        Set(in, SourceMode::Flux, 10);
                        in.IntTime = 0;
                    },
                    [] {
                        auto e = ThroughNoiseFloor({"AntTemp=0.0301", "InputSrcTop=30.1069", "InputSrcBot=-136.03"},
                                                   "-20.3278", "0.7053252887", " 0.09155542");
                        e.push_back("error: EZeroDivide");
                        return e;
                    }()},
        FailureCase{"NoScansNoKs",
                    [](auto& in) {
                        in.NumRecords = 0;
                        in.Ks = 0;
                    },
                    [] {
                        auto e = ThroughNoiseFloor({}, "-50.0000", "-0.0301900000", "-735.42373329");
                        e.push_back("error: EInvalidOp");
                        return e;
                    }()}),
    [](const auto& info) { return info.param.name; });

TEST(Notices, NegativeTemperatureGivesDomainAndNegativeNaN) {
    const CalculationLog small = RunCalculation(DefaultInputs(SourceMode::DeltaTemp, -1));
    EXPECT_EQ(small.errorType, "");
    EXPECT_EQ(small.events[6], "notice: log10: DOMAIN error");
    EXPECT_TRUE(small.Shows("InputSrcBot=  -NAN"));
    EXPECT_TRUE(small.Shows("DeltaTedit=4.5682"));

    // Below -Tsys the chain through the total temperature gives a second notice.
    const CalculationLog large = RunCalculation(DefaultInputs(SourceMode::DeltaTemp, -100));
    EXPECT_EQ(large.events[6], "notice: log10: DOMAIN error");
    EXPECT_EQ(large.events[7], "notice: log10: DOMAIN error");
    EXPECT_TRUE(large.Shows("DetInputEdit=  -NAN"));
    EXPECT_TRUE(large.Shows("DeltaFluxV=       -NAN"));
    EXPECT_EQ(large.errorType, "");
}

TEST(Notices, NoiseFigureBeyondPowRange) {
    SensitivityInputs in = DefaultInputs();
    in.NF = 3100;
    const CalculationLog log = RunCalculation(in);
    const std::vector<std::string> head(log.events.begin(), log.events.begin() + 7);
    // Tsys is computed with the other figures, before any of them is shown.
    EXPECT_EQ(head, (std::vector<std::string>{"notice: pow: OVERFLOW error", "WaveLength=0.21", "AntennaAperature=8.31",
                                              "DishGain=33.69", "BeamWidth=3.10", "SystemTemp=+INF", "GoverT=0.00"}));

    in.NF = -3100;  // the power is 0 without a notice
    const CalculationLog low = RunCalculation(in);
    EXPECT_TRUE(low.Shows("SystemTemp=-290.00"));
    EXPECT_FALSE(low.Shows("notice: pow: OVERFLOW error"));
}

TEST(Notices, GainBeyondPowRangeGivesTwoNotices) {
    SensitivityInputs in = DefaultInputs();
    in.Dia = 2.7e153;  // G of about 3087 dBi
    NoticeHandler none;
    std::vector<std::string> notices;
    const NoticeHandler record = [&](const std::string& t) { notices.push_back(t); };
    const AntennaFigures a = ComputeAntennaFigures(in, record);
    EXPECT_GT(a.G, 3082.54);
    EXPECT_EQ(FormatAntennaFigure(ComputeGoverT(a, record)), "+INF");
    EXPECT_EQ(notices, (std::vector<std::string>{"pow: OVERFLOW error", "pow: OVERFLOW error"}));
}

TEST(Faults, AFaultLeavesNothingBehindForTheNextCalculation) {
    SensitivityInputs bad = DefaultInputs();
    bad.F0 = 0;
    EXPECT_EQ(RunCalculation(bad).errorType, "EZeroDivide");
    const CalculationLog good = RunCalculation(DefaultInputs(SourceMode::Flux, 10));
    EXPECT_EQ(good.errorType, "");
    EXPECT_TRUE(good.Shows("DeltaTedit=4.5682"));
}

TEST(Faults, SweepFailsOnZeroArea) {
    EXPECT_THROW(ComputeSweepGrid(1, 35, 0), EZeroDivide);
    EXPECT_THROW(ComputeSweepGrid(1e300, 1e300, 1e-300), EOverflow);
    EXPECT_NO_THROW(ComputeSweepGrid(-1, 35, 8));
}

}  // namespace
}  // namespace corvane::testing
