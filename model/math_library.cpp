// The reporting log10 and pow with their notices and substitutes, and the strict logarithm.
#include "math_library.h"

#include <limits>

namespace corvane {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
// The substitute of a domain error is a NaN with its sign bit set.
const double kNegativeNaN = -std::numeric_limits<double>::quiet_NaN();
// y * ln x from this magnitude on leaves the double range.
constexpr long double kExpLimit = 709.78125L;

double Report(const char* function, MathErrorKind kind, double substitute, const NoticeHandler& notices) {
    if (kind != MathErrorKind::Underflow && kind != MathErrorKind::TLoss && notices)
        notices(NoticeText(function, kind));
    return substitute;
}

bool IsOddInteger(long double y) { return std::fmod(y, 2.0L) != 0; }

// The power in extended precision. Square roots and squares, the powers the model takes
// most, have exact fast paths; everything else goes through powl.
long double ExtendedPow(long double x, long double y) {
    if (y == 0.5L) return std::sqrt(x);
    if (y == 2) return x * x;
    return std::pow(x, y);
}

// Rule 6: a positive, finite base and a finite, non-zero exponent. The bounds on y ln x
// are applied to the power itself, which cannot leave the extended range for such a base
// without passing them first.
double PositivePow(double x, double y, const NoticeHandler& notices) {
    static const long double overflowBound = std::exp(kExpLimit);
    static const long double underflowBound = std::exp(-kExpLimit);
    const long double r = ExtendedPow(x, y);
    if (r >= overflowBound) return Report("pow", MathErrorKind::Overflow, kInf, notices);
    if (r <= underflowBound) return Report("pow", MathErrorKind::Underflow, 0.0, notices);
    return static_cast<double>(r);
}

}  // namespace

const char* MathErrorKindName(MathErrorKind kind) {
    switch (kind) {
        case MathErrorKind::Domain: return "DOMAIN";
        case MathErrorKind::Sing: return "SING";
        case MathErrorKind::Overflow: return "OVERFLOW";
        case MathErrorKind::Underflow: return "UNDERFLOW";
        case MathErrorKind::TLoss: return "TLOSS";
        case MathErrorKind::PLoss: return "PLOSS";
    }
    return "";
}

std::string NoticeText(const char* function, MathErrorKind kind) {
    return std::string(function) + ": " + MathErrorKindName(kind) + " error";
}

double Log10(double x, const NoticeHandler& notices) {
    if (x == 0) return Report("log10", MathErrorKind::Sing, -kInf, notices);
    if (x < 0) return Report("log10", MathErrorKind::Domain, kNegativeNaN, notices);
    if (std::isinf(x)) return Report("log10", MathErrorKind::Overflow, kInf, notices);
    return std::log10(x);
}

double Pow(double x, double y, const NoticeHandler& notices) {
    if (x == 0) {
        if (y > 0) return 0.0;
        if (y == 0) return Report("pow", MathErrorKind::Domain, 1.0, notices);
        return Report("pow", MathErrorKind::Domain, kInf, notices);
    }
    if (!std::isfinite(x)) {
        if (y < 0) return Report("pow", MathErrorKind::Underflow, 0.0, notices);
        return Report("pow", MathErrorKind::Overflow, kInf, notices);
    }
    if (y == 0) return 1.0;
    if (!std::isfinite(y)) return Report("pow", MathErrorKind::Overflow, kInf, notices);
    if (x < 0) {
        if (std::trunc(y) != y) return Report("pow", MathErrorKind::Domain, kNegativeNaN, notices);
        const double magnitude = PositivePow(-x, y, notices);
        return IsOddInteger(y) ? -magnitude : magnitude;
    }
    return PositivePow(x, y, notices);
}

X StrictLog10(X x) {
    const long double v = x.Value();
    if (v == 0) throw EZeroDivide();
    if (v < 0) throw EInvalidOp();
    return X(std::log10(v));
}

}  // namespace corvane
