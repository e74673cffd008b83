// The grid behind the two charts.
#include "sweep.h"

#include "constants.h"
#include "extended.h"
#include "math_library.h"

namespace corvane {

SweepGrid ComputeSweepGrid(double Ks, double Tsys, double Aeff) {
    SweepGrid grid;
    constexpr double kScans = 1;
    for (int i = 0; i < SweepGrid::kTimes; ++i) {
        for (int j = 0; j < SweepGrid::kBandwidths; ++j) {
            const double product = Store(X(grid.Bandwidths[j]) * grid.IntTimes[i] * kScans);
            // The product is at least 1000, so pow never has a notice to give here.
            const double root = Pow(product, 0.5, NoticeHandler());
            grid.DeltaT[i][j] = Store(X(Ks) * Tsys / root);
            grid.DeltaJy[i][j] = Store(X(kTwoBoltzmann) / Aeff * grid.DeltaT[i][j] / kJansky);
        }
    }
    return grid;
}

}  // namespace corvane
