// Mode names and the reading order of a calculation's inputs.
#include "inputs.h"

#include "text_to_float.h"

namespace corvane {

AntennaMode AntennaModeFromText(std::string_view text) {
    if (text == "Dish Dia. (m)") return AntennaMode::Dish;
    if (text == "3dB Beam (deg)") return AntennaMode::Beam;
    return AntennaMode::Unselected;
}

SourceMode SourceModeFromText(std::string_view text) {
    if (text == " Flux (Jy)") return SourceMode::Flux;
    if (text == " Delta Temp. (K)") return SourceMode::DeltaTemp;
    if (text == " Feed Power (dBm)") return SourceMode::FeedPower;
    if (text == " Detector Output (V)") return SourceMode::DetectorOutput;
    return SourceMode::Unselected;
}

SensitivityInputs ReadSensitivityInputs(const InputReader& reader) {
    const auto number = [&](InputField field) { return TextToDouble(reader.text(field), reader.decimalSeparator); };
    SensitivityInputs in;
    in.F0 = number(InputField::OprFreq);
    in.Antenna = AntennaModeFromText(reader.text(InputField::AntennaCombo));
    if (in.Antenna == AntennaMode::Dish) in.Dia = number(InputField::AntennaInput);
    if (in.Antenna == AntennaMode::Beam) in.HPBW = number(InputField::AntennaInput);
    in.SourceType = SourceModeFromText(reader.text(InputField::SourceCombo));
    if (reader.sourceModeRead) reader.sourceModeRead(in.SourceType);
    in.NF = number(InputField::NoiseFigure);
    in.Eff = number(InputField::Efficiency);
    in.Ks = number(InputField::SensitivityConstant);
    in.RXgain = number(InputField::RFGainEdit);
    in.DetSlope = number(InputField::DetectSlopeEdit);
    in.DetInt = number(InputField::DetIntercept);
    in.Source = number(InputField::SourceLevelEdit);
    in.DetBW = number(InputField::DetectBW);
    in.IntTime = number(InputField::IntTimeEdit);
    in.NumRecords = number(InputField::NumRecordsEdit);
    return in;
}

}  // namespace corvane
