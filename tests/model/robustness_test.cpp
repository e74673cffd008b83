// Bad input never crashes: generated field texts and extreme numbers through the whole model.
#include <gtest/gtest.h>

#include <array>
#include <random>

#include "calculation_log.h"
#include "inputs.h"

namespace corvane::testing {
namespace {

const char* const kExtremes[] = {"0",
                                 "-0",
                                 "1",
                                 "-1",
                                 "1e308",
                                 "-1e308",
                                 "1.7976931348623157e308",
                                 "4.9e-324",
                                 "2.2250738585072014e-308",
                                 "1e-320",
                                 "1e499",
                                 "-1e499",
                                 "1e-499",
                                 "1e500",
                                 "1e5000",
                                 "3100",
                                 "-3100",
                                 ".",
                                 "-.",
                                 "",
                                 " ",
                                 "abc",
                                 "1,5",
                                 "9e9999999"};
const char* const kAntennaTexts[] = {"Dish Dia. (m)", "3dB Beam (deg)", "", "dish"};
const char* const kSourceTexts[] = {" Flux (Jy)", " Delta Temp. (K)", " Feed Power (dBm)", " Detector Output (V)", ""};

std::string RandomText(std::mt19937_64& rng) {
    std::uniform_int_distribution<int> pick(0, 9);
    switch (pick(rng)) {
        case 0:
        case 1:
        case 2: {
            static const std::string alphabet = "0123456789.,+-eE \t";
            std::string text;
            const int length = std::uniform_int_distribution<int>(0, 12)(rng);
            for (int i = 0; i < length; ++i)
                text += alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(rng)];
            return text;
        }
        case 3:
        case 4:
        case 5: return kExtremes[std::uniform_int_distribution<std::size_t>(0, std::size(kExtremes) - 1)(rng)];
        default: {
            // A number across the whole double range, either sign.
            const double mantissa = std::uniform_real_distribution<double>(-10, 10)(rng);
            const int exponent = std::uniform_int_distribution<int>(-330, 330)(rng);
            return std::to_string(mantissa) + "e" + std::to_string(exponent);
        }
    }
}

std::string PlausibleNumber(std::mt19937_64& rng) {
    return std::to_string(std::uniform_real_distribution<double>(0.01, 2000)(rng));
}

TEST(Robustness, EveryRunEndsNormallyOrWithANamedError) {
    std::mt19937_64 rng(20261211);
    int completed = 0, failed = 0;
    for (int run = 0; run < 20000; ++run) {
        // Plausible numbers everywhere, then a few fields made hostile.
        std::array<std::string, 14> texts;
        for (auto& t : texts) t = PlausibleNumber(rng);
        for (int k = std::uniform_int_distribution<int>(0, 3)(rng); k > 0; --k)
            texts[rng() % texts.size()] = RandomText(rng);
        texts[static_cast<int>(InputField::AntennaCombo)] = kAntennaTexts[rng() % std::size(kAntennaTexts)];
        texts[static_cast<int>(InputField::SourceCombo)] = kSourceTexts[rng() % std::size(kSourceTexts)];
        const InputReader reader{[&](InputField f) { return texts[static_cast<int>(f)]; }, {}, rng() % 10 ? '.' : ','};
        try {
            const CalculationLog log = RunCalculation(ReadSensitivityInputs(reader));
            (log.errorType.empty() ? completed : failed)++;
        } catch (const Exception&) {
            ++failed;  // a field that is not a number, or beyond the double range
        }
        // Anything else thrown (or a crash) fails the test.
    }
    EXPECT_GT(completed, 0);
    EXPECT_GT(failed, 0);
}

}  // namespace
}  // namespace corvane::testing
