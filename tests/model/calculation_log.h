// Runs one whole calculation as the window does and records what it would show, in order.
#pragma once

#include <string>
#include <typeinfo>
#include <vector>

#include "antenna.h"
#include "prediction.h"
#include "sweep.h"

namespace corvane::testing {

// The window's initial texts with a dish picked and no source mode.
inline SensitivityInputs DefaultInputs(SourceMode mode = SourceMode::Unselected, double source = 10) {
    SensitivityInputs in;
    in.F0 = 1420;
    in.Antenna = AntennaMode::Dish;
    in.Dia = 4.6;
    in.SourceType = mode;
    in.NF = 0.5;
    in.Eff = 50;
    in.Ks = 1;
    in.RXgain = 85;
    in.DetSlope = 0.024788;
    in.DetInt = 1.20921;
    in.Source = source;
    in.DetBW = 60;
    in.IntTime = 1;
    in.NumRecords = 1;
    return in;
}

inline const char* FieldName(PredictionField f) {
    static const char* names[] = {"AntTemp",           "InputSrcTop", "InputSrcBot", "DetInputEdit", "DetectorVoltage",
                                  "DetectorVoltageWO", "DeltaFluxV",  "RXfloordBm",  "RXfloorK",     "DeltaTedit"};
    return names[static_cast<int>(f)];
}

struct CalculationLog {
    std::vector<std::string> events;  // "Field=text", "notice: ...", "sweep", or "error: <type>"
    std::string errorType;            // empty when the calculation reached its end

    bool Shows(const std::string& event) const {
        for (const auto& e : events)
            if (e == event) return true;
        return false;
    }
};

inline std::string ErrorType(const Exception& e) {
    if (dynamic_cast<const EZeroDivide*>(&e)) return "EZeroDivide";
    if (dynamic_cast<const EInvalidOp*>(&e)) return "EInvalidOp";
    if (dynamic_cast<const EOverflow*>(&e)) return "EOverflow";
    if (dynamic_cast<const EConvertError*>(&e)) return "EConvertError";
    return "Exception";
}

inline CalculationLog RunCalculation(const SensitivityInputs& in) {
    CalculationLog log;
    const NoticeHandler notices = [&](const std::string& text) { log.events.push_back("notice: " + text); };
    const auto show = [&](const char* field, const std::string& text) {
        log.events.push_back(std::string(field) + "=" + text);
    };
    try {
        const AntennaFigures a = ComputeAntennaFigures(in, notices);
        show("WaveLength", FormatAntennaFigure(a.Lamda));
        show("AntennaAperature", FormatAntennaFigure(a.Aeff));
        show("DishGain", FormatAntennaFigure(a.G));
        show("BeamWidth", FormatAntennaFigure(a.HPBW));
        show("SystemTemp", FormatAntennaFigure(a.Tsys));
        show("GoverT", FormatAntennaFigure(ComputeGoverT(a, notices)));
        ComputePrediction(in, a, notices, [&](PredictionStage, const std::vector<FieldText>& texts) {
            for (const auto& t : texts) show(FieldName(t.field), t.text);
        });
        ComputeSweepGrid(in.Ks, a.Tsys, a.Aeff);
        log.events.push_back("sweep");
    } catch (const Exception& e) {
        log.errorType = ErrorType(e);
        log.events.push_back("error: " + log.errorType);
    }
    return log;
}

}  // namespace corvane::testing
