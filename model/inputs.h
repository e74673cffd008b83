// The inputs of one calculation and how they are read from the window's fields.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace corvane {

enum class AntennaMode { Dish, Beam, Unselected };
enum class SourceMode { Flux, DeltaTemp, FeedPower, DetectorOutput, Unselected };

// Exact, case-sensitive comparison of the whole list text.
AntennaMode AntennaModeFromText(std::string_view text);
SourceMode SourceModeFromText(std::string_view text);

struct SensitivityInputs {
    double F0 = 0;  // MHz
    AntennaMode Antenna = AntennaMode::Unselected;
    double Dia = 5;    // m, 5 unless a dish diameter is read
    double HPBW = 45;  // degrees, 45 unless a beamwidth is read
    SourceMode SourceType = SourceMode::Unselected;
    double NF = 0;   // dB
    double Eff = 0;  // percent
    double Ks = 0;
    double RXgain = 0;    // dB
    double DetSlope = 0;  // V/dBm
    double DetInt = 0;    // V
    double Source = 0;    // Jy, K, dBm or V by SourceType
    double DetBW = 0;     // MHz
    double IntTime = 0;   // s
    double NumRecords = 0;
};

// The main window's input fields, by the names of their controls.
enum class InputField {
    OprFreq,
    AntennaCombo,
    AntennaInput,
    SourceCombo,
    NoiseFigure,
    Efficiency,
    SensitivityConstant,
    RFGainEdit,
    DetectSlopeEdit,
    DetIntercept,
    SourceLevelEdit,
    DetectBW,
    IntTimeEdit,
    NumRecordsEdit
};

struct InputReader {
    std::function<std::string(InputField)> text;     // the field's whole text at this moment
    std::function<void(SourceMode)> sourceModeRead;  // called once the source list has been read
    char decimalSeparator = '.';
};

// Fills SensitivityInputs field by field in the calculation's fixed order. The first text
// that is not a number raises EConvertError (or EOverflow beyond the double range) and
// nothing after it is read.
SensitivityInputs ReadSensitivityInputs(const InputReader& reader);

}  // namespace corvane
