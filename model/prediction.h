// The source modes and the measurement prediction, computed and shown stage by stage.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "antenna.h"
#include "inputs.h"
#include "math_library.h"

namespace corvane {

struct CaptionPair {
    std::string InputTop;
    std::string InputBot;
};

// The captions naming the two source results; none for Unselected.
std::optional<CaptionPair> SourceCaptions(SourceMode mode);

struct PredictionFigures {
    SourceMode SourceType = SourceMode::Unselected;
    std::optional<double> Tant;       // K, added antenna temperature
    std::optional<double> SourceJy;   // Jy
    std::optional<double> SourcedBm;  // dBm at the feed
    std::optional<double> FeedInput;  // dBm at the feed, from the detector voltage
    double DetInput = -50;            // dBm at the detector with the source
    double DetInputWO = 0;            // dBm at the detector from system noise alone
    double DetVolts = 0;              // V
    double DetVoltsWO = 0;            // V
    double DeltamV = 0;               // mV
    double Noise = 0;                 // dBm, receiver noise floor
    double DeltaTmK = 0;              // mK, smallest discernible temperature change
};

// The result fields of the "Measurement Prediction" group.
enum class PredictionField {
    AntTemp,
    InputSrcTop,
    InputSrcBot,
    DetInputEdit,
    DetectorVoltage,
    DetectorVoltageWO,
    DeltaFluxV,
    RXfloordBm,
    RXfloorK,
    DeltaTedit
};

struct FieldText {
    PredictionField field;
    std::string text;
    bool operator==(const FieldText&) const = default;
};

// The stages in their order; each ends by showing its fields.
enum class PredictionStage { Source, DetectorInput, DetectorVoltages, Delta, NoiseFloor, DeltaT };

// Called at the end of each stage with the texts to write, in the order to write them.
using StageHandler = std::function<void(PredictionStage, const std::vector<FieldText>&)>;

// Runs the mode stage (skipped for Unselected) and the five common stages. A raised fault
// ends it at the failing stage, after the earlier stages have been handed to `onStage`.
PredictionFigures ComputePrediction(const SensitivityInputs& in, const AntennaFigures& antenna,
                                    const NoticeHandler& notices, const StageHandler& onStage);

std::string FormatPrediction(double value, const char* format);

}  // namespace corvane
