// Physical constants and unit factors, each applied exactly as written.
#pragma once

namespace corvane {

constexpr long double kSpeedOfLight = 3.0e8L;  // m/s
constexpr long double kHzPerMHz = 1000000.0L;
constexpr long double kBeamConstant = 67.5L;      // beamwidth (deg) × diameter / wavelength
constexpr double kPi = 3.14159265358979323846;    // the double nearest π
constexpr long double kTwoBoltzmann = 2.76e-23L;  // 2k, J/K
constexpr long double kBoltzmann = 1.38e-23L;     // k, J/K
constexpr long double kJansky = 1e-26L;           // W/m²/Hz
constexpr long double kMilliwatt = 0.001L;        // W
constexpr long double kReferenceTemp = 290.0L;    // K
constexpr long double kDecibel = 0.1L;            // a dB value x is the ratio 10^(0.1 x)
constexpr long double kPercent = 0.01L;
constexpr long double kMilli = 1000.0L;    // K to mK, V to mV
constexpr double kNoModeDetInput = -50.0;  // dBm at the detector when no source mode is chosen

}  // namespace corvane
