// The detection sweep: the radiometer equation over 4 integration times by 7 bandwidths.
#pragma once

#include <array>

namespace corvane {

struct SweepGrid {
    static constexpr int kTimes = 4;
    static constexpr int kBandwidths = 7;
    std::array<double, kTimes> IntTimes{1, 10, 100, 1000};                          // s
    std::array<double, kBandwidths> Bandwidths{1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};  // Hz
    std::array<std::array<double, kBandwidths>, kTimes> DeltaT{};                   // K, [time][bandwidth], one scan
    std::array<std::array<double, kBandwidths>, kTimes> DeltaJy{};                  // Jy, [time][bandwidth]
};

SweepGrid ComputeSweepGrid(double Ks, double Tsys, double Aeff);

}  // namespace corvane
