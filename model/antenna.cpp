// Wavelength, diameter or beamwidth, area, gain, effective area, Tsys and G/T.
#include "antenna.h"

#include "constants.h"
#include "number_format.h"

namespace corvane {
namespace {

// 10^(0.1 x): a decibel value as a power ratio.
double DbToRatio(double dB, const NoticeHandler& notices) { return Pow(10, Store(X(kDecibel) * dB), notices); }

}  // namespace

AntennaFigures ComputeAntennaFigures(const SensitivityInputs& in, const NoticeHandler& notices) {
    AntennaFigures a;
    a.Lamda = Store(X(kSpeedOfLight) / (X(in.F0) * kHzPerMHz));
    a.Dia = in.Dia;
    a.HPBW = in.HPBW;
    if (in.Antenna == AntennaMode::Beam) a.Dia = Store(X(1) / (X(a.HPBW) / (X(kBeamConstant) * a.Lamda)));
    a.Area = Store(X(Pow(Store(X(a.Dia) * 0.5), 2, notices)) * kPi);
    const double apertureSquared = Pow(Store(X(a.Dia) / a.Lamda), 2, notices);
    a.G = Store(X(10) * StrictLog10(X(kPi) * kPi * 0.5 * apertureSquared));
    a.Gdec = DbToRatio(a.G, notices);
    a.Aeff = Store(X(a.Area) * in.Eff * kPercent);
    if (in.Antenna == AntennaMode::Dish) a.HPBW = Store(X(kBeamConstant) * a.Lamda / a.Dia);
    a.Tsys = Store((X(DbToRatio(in.NF, notices)) - 1) * kReferenceTemp);
    return a;
}

double ComputeGoverT(const AntennaFigures& figures, const NoticeHandler& notices) {
    return Store(X(DbToRatio(figures.G, notices)) / figures.Tsys);
}

std::string FormatAntennaFigure(double value) { return FormatFloat("%4.2f", value); }

}  // namespace corvane
