// Sets the process's floating-point environment.
#include "numeric_environment.h"

#include <cfenv>

namespace corvane {

void SetNumericEnvironment() {
    std::fesetround(FE_TONEAREST);
    std::feclearexcept(FE_ALL_EXCEPT);
}

}  // namespace corvane
