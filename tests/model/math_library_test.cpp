// The reporting log10 and pow with their notices and substitutes, and the strict logarithm.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "math_library.h"

namespace corvane {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

// Expected result: a value, or NaN with a given sign bit.
struct Result {
    double value;
    bool isNaN = false;
    bool negative = false;
};
Result Val(double v) { return {v}; }
Result NegNaN() { return {0, true, true}; }
Result PosNaN() { return {0, true, false}; }

void ExpectResult(double got, const Result& want, const std::string& what) {
    if (want.isNaN) {
        EXPECT_TRUE(std::isnan(got)) << what << " gave " << got;
        EXPECT_EQ(std::signbit(got), want.negative) << what;
    } else {
        EXPECT_DOUBLE_EQ(got, want.value) << what;
        EXPECT_EQ(std::signbit(got), std::signbit(want.value)) << what;
    }
}

struct LogCase {
    double x;
    const char* notice;  // "" when none
    Result result;
};

TEST(ReportingLog10, RulesAndSubstitutes) {
    const LogCase cases[] = {{0.0, "log10: SING error", Val(-kInf)},
                             {-0.0, "log10: SING error", Val(-kInf)},
                             {-1, "log10: DOMAIN error", NegNaN()},
                             {-kInf, "log10: DOMAIN error", NegNaN()},
                             {kInf, "log10: OVERFLOW error", Val(kInf)},
                             {1000, "", Val(3)},
                             {1e-300, "", Val(-300)},
                             {kNaN, "", PosNaN()}};
    for (const LogCase& c : cases) {
        std::vector<std::string> notices;
        const double got = Log10(c.x, [&](const std::string& t) { notices.push_back(t); });
        const std::string what = "log10(" + std::to_string(c.x) + ")";
        ExpectResult(got, c.result, what);
        EXPECT_EQ(notices,
                  std::string(c.notice).empty() ? std::vector<std::string>{} : std::vector<std::string>{c.notice})
            << what;
    }
}

struct PowCase {
    double x, y;
    const char* notice;
    Result result;
};

TEST(ReportingPow, FirstApplicableRule) {
    const PowCase cases[] = {
        // 1. zero base
        {0, 2, "", Val(0)},
        {0, 0, "pow: DOMAIN error", Val(1)},
        {0, -1, "pow: DOMAIN error", Val(kInf)},
        // 2. infinite or NaN base
        {kInf, 2, "pow: OVERFLOW error", Val(kInf)},
        {kNaN, 0, "pow: OVERFLOW error", Val(kInf)},
        {-kInf, -1, "", Val(0)},  // UNDERFLOW passes silently
        // 3. zero exponent
        {-7, 0, "", Val(1)},
        // 4. infinite or NaN exponent
        {2, kInf, "pow: OVERFLOW error", Val(kInf)},
        {2, kNaN, "pow: OVERFLOW error", Val(kInf)},
        // 5. negative base
        {-2, 3, "", Val(-8)},
        {-2, 2, "", Val(4)},
        {-4, 0.5, "pow: DOMAIN error", NegNaN()},
        {-10, 309, "pow: OVERFLOW error", Val(-kInf)},
        // 6. the power itself, bounded by y ln x
        {10, 308.25, "", Val(std::pow(10.0L, 308.25L))},
        {10, 308.26, "pow: OVERFLOW error", Val(kInf)},
        {10, -400, "", Val(0)},
        {2, 0.5, "", Val(std::sqrt(2.0))},
        {1e6, 0.5, "", Val(1000)},
    };
    for (const PowCase& c : cases) {
        std::vector<std::string> notices;
        const double got = Pow(c.x, c.y, [&](const std::string& t) { notices.push_back(t); });
        const std::string what = "pow(" + std::to_string(c.x) + ", " + std::to_string(c.y) + ")";
        ExpectResult(got, c.result, what);
        EXPECT_EQ(notices,
                  std::string(c.notice).empty() ? std::vector<std::string>{} : std::vector<std::string>{c.notice})
            << what;
    }
}

TEST(StrictLog10, FaultsInsteadOfNotices) {
    EXPECT_THROW(StrictLog10(0.0), EZeroDivide);
    EXPECT_THROW(StrictLog10(-0.0), EZeroDivide);
    EXPECT_THROW(StrictLog10(-1e-300), EInvalidOp);
    EXPECT_THROW(StrictLog10(-kInf), EInvalidOp);
    EXPECT_EQ(StrictLog10(kInf).Value(), kInf);
    EXPECT_EQ(static_cast<double>(StrictLog10(1e10).Value()), 10.0);
    EXPECT_TRUE(std::isnan(StrictLog10(kNaN).Value()));
}

TEST(ExtendedArithmetic, FaultsAtTheStepAndNothingElse) {
    EXPECT_THROW(X(1) / 0.0, EZeroDivide);
    EXPECT_THROW(X(0) / 0.0, EInvalidOp);
    EXPECT_THROW(X(kInf) - kInf, EInvalidOp);
    EXPECT_THROW(X(-kInf) + kInf, EInvalidOp);
    EXPECT_THROW(X(kInf) * 0.0, EInvalidOp);
    EXPECT_THROW(X(kInf) / kInf, EInvalidOp);
    EXPECT_EQ((X(-kInf) - 5).Value(), -kInf);
    EXPECT_EQ((X(kInf) / 0.0).Value(), kInf);
    EXPECT_TRUE(std::isnan((X(kNaN) / 0.0).Value()));
    // Extended range holds what a double does not; only the store overflows.
    const X big = X(1e300) * 1e300;
    EXPECT_THROW(Store(big), EOverflow);
    EXPECT_EQ(Store(big / 1e300), 1e300);
    EXPECT_EQ(Store(X(1e-300) * 1e-300), 0.0);  // underflow is silent
    EXPECT_EQ(Store(X(std::numeric_limits<double>::max())), std::numeric_limits<double>::max());
    EXPECT_THROW(X(std::numeric_limits<long double>::max()) * 2, EOverflow);
}

}  // namespace
}  // namespace corvane
