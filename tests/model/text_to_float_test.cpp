// The acceptance rules of field texts, and the order in which a calculation reads its fields.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "exceptions.h"
#include "inputs.h"
#include "text_to_float.h"

namespace corvane {
namespace {

struct ConversionCase {
    const char* text;
    char separator;
    enum { Value, NotANumber, Overflow } outcome;
    double value;
};
void PrintTo(const ConversionCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class Conversion : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(Conversion, AcceptsOrRejects) {
    const ConversionCase& c = GetParam();
    const std::string text = c.text;
    switch (c.outcome) {
        case ConversionCase::Value: {
            const double v = TextToDouble(text, c.separator);
            EXPECT_EQ(v, c.value) << '"' << text << '"';
            EXPECT_EQ(std::signbit(v), std::signbit(c.value)) << '"' << text << '"';
            break;
        }
        case ConversionCase::NotANumber:
            try {
                TextToDouble(text, c.separator);
                ADD_FAILURE() << '"' << text << "\" was accepted";
            } catch (const EConvertError& e) {
                EXPECT_EQ(e.Message(), "'" + text + "' is not a valid floating point value");
            }
            break;
        case ConversionCase::Overflow:
            EXPECT_NO_THROW(TextToFloat(text, c.separator)) << '"' << text << '"';
            EXPECT_THROW(TextToDouble(text, c.separator), EOverflow) << '"' << text << '"';
            break;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Conversion,
    ::testing::Values(
        ConversionCase{"", '.', ConversionCase::NotANumber, 0}, ConversionCase{" 12 ", '.', ConversionCase::Value, 12},
        ConversionCase{"\t12", '.', ConversionCase::NotANumber, 0},
        ConversionCase{"1 000", '.', ConversionCase::NotANumber, 0},
        ConversionCase{"12a", '.', ConversionCase::NotANumber, 0},
        ConversionCase{"- 5", '.', ConversionCase::NotANumber, 0}, ConversionCase{".", '.', ConversionCase::Value, 0.0},
        ConversionCase{"-.", '.', ConversionCase::Value, -0.0}, ConversionCase{".5", '.', ConversionCase::Value, 0.5},
        ConversionCase{"5.", '.', ConversionCase::Value, 5}, ConversionCase{"5e", '.', ConversionCase::Value, 5},
        ConversionCase{"5E+", '.', ConversionCase::Value, 5}, ConversionCase{"+", '.', ConversionCase::NotANumber, 0},
        ConversionCase{"e5", '.', ConversionCase::NotANumber, 0},
        ConversionCase{"1e500", '.', ConversionCase::Overflow, 0},
        ConversionCase{"1e5000", '.', ConversionCase::NotANumber, 0},
        ConversionCase{"1e0500", '.', ConversionCase::Overflow, 0},
        ConversionCase{"1e-400", '.', ConversionCase::Value, 0.0},
        ConversionCase{"4.9e-324", '.', ConversionCase::Value, 4.9e-324},
        ConversionCase{"+1420", '.', ConversionCase::Value, 1420},
        ConversionCase{"-2.5E-3", '.', ConversionCase::Value, -2.5e-3},
        ConversionCase{"0.024788", '.', ConversionCase::Value, 0.024788},
        ConversionCase{"1.7976931348623157e308", '.', ConversionCase::Value, 1.7976931348623157e308},
        ConversionCase{"INF", '.', ConversionCase::NotANumber, 0},
        ConversionCase{"NAN", '.', ConversionCase::NotANumber, 0},
        ConversionCase{"0x10", '.', ConversionCase::NotANumber, 0},
        ConversionCase{"1,5", ',', ConversionCase::Value, 1.5},
        ConversionCase{"1.5", ',', ConversionCase::NotANumber, 0},
        ConversionCase{".5", ',', ConversionCase::NotANumber, 0},
        ConversionCase{"1,5", '.', ConversionCase::NotANumber, 0}));

TEST(Conversion, ValueBeyondExtendedRangeIsNotANumber) {
    EXPECT_THROW(TextToFloat(std::string(5000, '9'), '.'), EConvertError);
    EXPECT_THROW(TextToFloat("9" + std::string(4500, '0') + "e499", '.'), EConvertError);
}

// A fake window: field texts by name, recording every read in order.
struct FakeFields {
    std::map<InputField, std::string> texts{{InputField::OprFreq, "1420"},
                                            {InputField::AntennaCombo, "Dish Dia. (m)"},
                                            {InputField::AntennaInput, "4.6"},
                                            {InputField::SourceCombo, " Flux (Jy)"},
                                            {InputField::NoiseFigure, ".5"},
                                            {InputField::Efficiency, "50"},
                                            {InputField::SensitivityConstant, "1.000"},
                                            {InputField::RFGainEdit, "85"},
                                            {InputField::DetectSlopeEdit, "0.024788"},
                                            {InputField::DetIntercept, "1.20921"},
                                            {InputField::SourceLevelEdit, "10"},
                                            {InputField::DetectBW, "60"},
                                            {InputField::IntTimeEdit, "1"},
                                            {InputField::NumRecordsEdit, "1"}};
    std::vector<std::string> reads;

    InputReader Reader() {
        return {[this](InputField f) {
                    reads.push_back(std::to_string(static_cast<int>(f)));
                    return texts[f];
                },
                [this](SourceMode) { reads.push_back("mode"); }, '.'};
    }
};

TEST(ReadInputs, FieldsInTheirOrder) {
    FakeFields fields;
    const SensitivityInputs in = ReadSensitivityInputs(fields.Reader());
    EXPECT_EQ(fields.reads, (std::vector<std::string>{"0", "1", "2", "3", "mode", "4", "5", "6", "7", "8", "9", "10",
                                                      "11", "12", "13"}));
    EXPECT_EQ(in.F0, 1420);
    EXPECT_EQ(in.Dia, 4.6);
    EXPECT_EQ(in.HPBW, 45);
    EXPECT_EQ(in.SourceType, SourceMode::Flux);
    EXPECT_EQ(in.NF, 0.5);
    EXPECT_EQ(in.Ks, 1);
    EXPECT_EQ(in.DetSlope, 0.024788);
    EXPECT_EQ(in.NumRecords, 1);
}

TEST(ReadInputs, AntennaValueOnlyWithAnItemPicked) {
    FakeFields fields;
    fields.texts[InputField::AntennaCombo] = "";
    fields.texts[InputField::AntennaInput] = "not read";
    const SensitivityInputs none = ReadSensitivityInputs(fields.Reader());
    EXPECT_EQ(none.Dia, 5);
    EXPECT_EQ(none.HPBW, 45);
    EXPECT_EQ(fields.reads[2], "3");  // straight on to the source list

    fields.texts[InputField::AntennaCombo] = "3dB Beam (deg)";
    fields.texts[InputField::AntennaInput] = "4.6";
    const SensitivityInputs beam = ReadSensitivityInputs(fields.Reader());
    EXPECT_EQ(beam.Dia, 5);
    EXPECT_EQ(beam.HPBW, 4.6);
}

TEST(ReadInputs, FirstBadFieldEndsTheReading) {
    FakeFields fields;
    fields.texts[InputField::NoiseFigure] = "";
    try {
        ReadSensitivityInputs(fields.Reader());
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'' is not a valid floating point value");
    }
    // The source mode was announced before the noise figure failed; nothing after it was read.
    EXPECT_EQ(fields.reads, (std::vector<std::string>{"0", "1", "2", "3", "mode", "4"}));
}

}  // namespace
}  // namespace corvane
