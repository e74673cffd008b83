// The floating-point environment every calculation runs in.
#pragma once

namespace corvane {

// Rounding to nearest with no status flags pending. Faults are found by explicit checks
// (extended.h), so no trap is enabled and a fault can never surface in unrelated code.
void SetNumericEnvironment();

}  // namespace corvane
