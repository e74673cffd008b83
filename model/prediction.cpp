// Conversions between the forms of a source level and the receiver chain to the detector.
#include "prediction.h"

#include "constants.h"
#include "number_format.h"

namespace corvane {
namespace {

class Prediction {
public:
    Prediction(const SensitivityInputs& in, const AntennaFigures& a, const NoticeHandler& notices)
        : in_(in), a_(a), notices_(notices) {}

    PredictionFigures Run(const StageHandler& onStage) {
        f_.SourceType = in_.SourceType;
        f_.DetInput = kNoModeDetInput;
        if (RunModeStage()) Show(onStage, PredictionStage::Source, SourceTexts());

        f_.DetVolts = Detector(f_.DetInput);
        Show(onStage, PredictionStage::DetectorInput, {{PredictionField::DetInputEdit, Text(f_.DetInput, "%6.4f")}});

        f_.DetInputWO = DetPowerFromTemp(a_.Tsys);
        f_.DetVoltsWO = Detector(f_.DetInputWO);
        Show(onStage, PredictionStage::DetectorVoltages,
             {{PredictionField::DetectorVoltage, Text(f_.DetVolts, "%11.10f")},
              {PredictionField::DetectorVoltageWO, Text(f_.DetVoltsWO, "%11.10f")}});

        f_.DeltamV = Store((X(f_.DetVolts) - f_.DetVoltsWO) * kMilli);
        Show(onStage, PredictionStage::Delta, {{PredictionField::DeltaFluxV, Text(f_.DeltamV, "%11.8f")}});

        f_.Noise = Store(X(10) * StrictLog10(X(kBoltzmann) * a_.Tsys * in_.DetBW * kHzPerMHz / kMilliwatt));
        Show(onStage, PredictionStage::NoiseFloor,
             {{PredictionField::RXfloordBm, Text(f_.Noise, "%4.2f")},
              {PredictionField::RXfloorK, Text(a_.Tsys, "%6.4f")}});

        // The bandwidth stays in MHz here, which makes the result millikelvin.
        const double product = Store(X(in_.DetBW) * in_.IntTime * in_.NumRecords);
        f_.DeltaTmK = Store(X(in_.Ks) * a_.Tsys / Pow(product, 0.5, notices_));
        Show(onStage, PredictionStage::DeltaT, {{PredictionField::DeltaTedit, Text(f_.DeltaTmK, "%6.4f")}});
        return f_;
    }

private:
    static std::string Text(double v, const char* format) { return FormatFloat(format, v); }

    static void Show(const StageHandler& onStage, PredictionStage stage, const std::vector<FieldText>& texts) {
        if (onStage) onStage(stage, texts);
    }

    // Returns false when no mode is chosen and nothing is computed.
    bool RunModeStage() {
        const double source = in_.Source;
        switch (in_.SourceType) {
            case SourceMode::Flux:
                f_.Tant = TempFromFlux(source);
                f_.SourcedBm = PowerFromFluxStrict(source);
                f_.DetInput = DetPowerFromTemp(Store(X(a_.Tsys) + *f_.Tant));
                return true;
            case SourceMode::DeltaTemp:
                f_.SourceJy = FluxFromTemp(source);
                f_.SourcedBm = PowerFromFluxReporting(*f_.SourceJy);
                f_.DetInput = DetPowerFromTemp(Store(X(a_.Tsys) + source));
                return true;
            case SourceMode::FeedPower:
                f_.SourceJy = FluxFromPower(source);
                f_.Tant = TempFromFlux(*f_.SourceJy);
                f_.DetInput = DetPowerFromTemp(Store(X(a_.Tsys) + *f_.Tant));
                return true;
            case SourceMode::DetectorOutput:
                // The whole detector input is taken as the source's power, and the antenna
                // gain with its efficiency is removed as well as the receiver gain.
                f_.DetInput = Store((X(source) - in_.DetInt) / in_.DetSlope);
                f_.FeedInput =
                    Store((X(f_.DetInput) - in_.RXgain) - X(10) * StrictLog10(X(a_.Gdec) * in_.Eff * kPercent));
                f_.SourceJy = FluxFromPower(*f_.FeedInput);
                f_.SourcedBm = PowerFromFluxReporting(*f_.SourceJy);
                f_.Tant = TempFromFlux(*f_.SourceJy);
                return true;
            case SourceMode::Unselected: return false;
        }
        return false;
    }

    std::vector<FieldText> SourceTexts() const {
        const double addedK = f_.SourceType == SourceMode::DeltaTemp ? in_.Source : *f_.Tant;
        std::vector<FieldText> texts{{PredictionField::AntTemp, Text(addedK, "%6.4f")}};
        const auto milliK = [&] { return Text(Store(X(*f_.Tant) * kMilli), "%6.4f"); };
        switch (f_.SourceType) {
            case SourceMode::Flux:
                texts.push_back({PredictionField::InputSrcTop, milliK()});
                texts.push_back({PredictionField::InputSrcBot, Text(*f_.SourcedBm, "%4.2f")});
                break;
            case SourceMode::FeedPower:
                texts.push_back({PredictionField::InputSrcTop, Text(*f_.SourceJy, "%6.4f")});
                texts.push_back({PredictionField::InputSrcBot, milliK()});
                break;
            default:
                texts.push_back({PredictionField::InputSrcTop, Text(*f_.SourceJy, "%6.4f")});
                texts.push_back({PredictionField::InputSrcBot, Text(*f_.SourcedBm, "%6.4f")});
                break;
        }
        return texts;
    }

    double Detector(double dBm) const { return Store(X(dBm) * in_.DetSlope + in_.DetInt); }

    double TempFromFlux(double jy) const { return Store(X(jy) * kJansky * a_.Aeff / kTwoBoltzmann); }
    double FluxFromTemp(double kelvin) const { return Store(X(kTwoBoltzmann) * kelvin / a_.Aeff / kJansky); }

    // The feed power of a flux density, 0.5 Aeff S B, as a ratio to one milliwatt.
    X FeedPowerRatio(double jy) const { return X(0.5) * a_.Aeff * jy * kJansky * in_.DetBW * kHzPerMHz / kMilliwatt; }
    double PowerFromFluxStrict(double jy) const { return Store(X(10) * StrictLog10(FeedPowerRatio(jy))); }
    double PowerFromFluxReporting(double jy) const { return Store(X(10) * Log10(Store(FeedPowerRatio(jy)), notices_)); }
    double FluxFromPower(double dBm) const {
        const double ratio = Pow(10, Store(X(kDecibel) * dBm), notices_);
        return Store((X(ratio) * kMilliwatt * 2) / (X(a_.Aeff) * in_.DetBW * kHzPerMHz) / kJansky);
    }

    // The noise power of a total temperature at the detector input, taken through its flux density.
    double DetPowerFromTemp(double kelvin) const {
        const double totalJy = FluxFromTemp(kelvin);
        const double totaldBm = PowerFromFluxReporting(totalJy);
        return Store(X(totaldBm) + in_.RXgain);
    }

    const SensitivityInputs& in_;
    const AntennaFigures& a_;
    const NoticeHandler& notices_;
    PredictionFigures f_;
};

}  // namespace

std::optional<CaptionPair> SourceCaptions(SourceMode mode) {
    switch (mode) {
        case SourceMode::Flux: return CaptionPair{"Added Temp. from Source (mK)", "Source Power at LNA (dBm)"};
        case SourceMode::DeltaTemp: return CaptionPair{"Source Power (Jy)", "Source Power at LNA (dBm)"};
        case SourceMode::FeedPower: return CaptionPair{"Source Power (Jy)", "Added Temp. from Source (mK)"};
        case SourceMode::DetectorOutput: return CaptionPair{"Source Power (Jy)", "Source Power at LNA (dBm)"};
        case SourceMode::Unselected: return std::nullopt;
    }
    return std::nullopt;
}

PredictionFigures ComputePrediction(const SensitivityInputs& in, const AntennaFigures& antenna,
                                    const NoticeHandler& notices, const StageHandler& onStage) {
    return Prediction(in, antenna, notices).Run(onStage);
}

std::string FormatPrediction(double value, const char* format) { return FormatFloat(format, value); }

}  // namespace corvane
