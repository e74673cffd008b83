// printf-style result texts: widths, rounding, special values and the "." under any locale.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

#include "number_format.h"

namespace corvane {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

struct FormatCase {
    const char* format;
    double value;
    const char* text;
};
void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.format << " of " << c.value; }

class Format : public ::testing::TestWithParam<FormatCase> {};

TEST_P(Format, Text) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatFloat(c.format, c.value), c.text) << c.format << " of " << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Format,
    ::testing::Values(FormatCase{"%4.2f", 0.21, "0.21"}, FormatCase{"%4.2f", 3.1, "3.10"},
                      FormatCase{"%4.2f", 0, "0.00"}, FormatCase{"%4.2f", -0.0, "-0.00"},
                      FormatCase{"%4.2f", -0.001, "-0.00"}, FormatCase{"%4.2f", 1.005, "1.00"},  // 1.00499999...
                      FormatCase{"%4.2f", 0.125, "0.12"},                                        // exact tie to even
                      FormatCase{"%4.2f", 2.675, "2.67"}, FormatCase{"%4.2f", -105.3348, "-105.33"},
                      FormatCase{"%6.4f", -50, "-50.0000"}, FormatCase{"%11.8f", 0.5, " 0.50000000"},
                      FormatCase{"%11.8f", -735.42373329, "-735.42373329"}, FormatCase{"%11.10f", 0.71, "0.7100000000"},
                      FormatCase{"%4.0f sec", 1, "   1 sec"}, FormatCase{"%4.0f sec", 1000, "1000 sec"},
                      FormatCase{"%4.0f sec", 2.5, "   2 sec"}, FormatCase{"%4.2f", 1e20, "100000000000000000000.00"},
                      FormatCase{"%4.2f", kInf, "+INF"}, FormatCase{"%4.2f", -kInf, "-INF"},
                      FormatCase{"%4.2f", kNaN, "+NAN"}, FormatCase{"%6.4f", -kNaN, "  -NAN"},
                      FormatCase{"%11.8f", kInf, "       +INF"}, FormatCase{"%-6.1f|", 2, "2.0   |"},
                      FormatCase{"%+5.1f", 2, " +2.0"}, FormatCase{"%06.1f", -2, "-002.0"},
                      FormatCase{"100%% %3.0f", 7, "100%   7"}));

TEST(Format, WidestDouble) {
    const std::string text = FormatFloat("%4.2f", -std::numeric_limits<double>::max());
    EXPECT_EQ(text.size(), 1 + 309 + 3u);
    EXPECT_EQ(text.substr(0, 6), "-17976");
}

TEST(Format, PointUnderACommaLocale) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 is not generated";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    EXPECT_STREQ(probe, "1,5");  // the locale is really in force
    EXPECT_EQ(FormatFloat("%6.4f", 1.5), "1.5000");
    EXPECT_EQ(FormatFloat("%4.0f sec", 10), "  10 sec");
    std::setlocale(LC_ALL, previous.c_str());
}

}  // namespace
}  // namespace corvane
