// Conversion of field texts to numbers by the program's own acceptance rules.
#include "text_to_float.h"

#include <locale.h>
#include <stdlib.h>

#include <cmath>

#include "exceptions.h"
#include "extended.h"

namespace corvane {
namespace {

// The exponent is read while it stays below this; the digit that reaches it is the last.
constexpr int kExponentLimit = 500;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A "C" numeric locale, so that the value never depends on the process locale.
locale_t CLocale() {
    static const locale_t c = newlocale(LC_NUMERIC_MASK, "C", locale_t{});
    return c;
}

class Scanner {
public:
    explicit Scanner(std::string_view text) : text_(text) {}
    bool AtEnd() const { return pos_ >= text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
    bool Take(char c) {
        if (AtEnd() || text_[pos_] != c) return false;
        ++pos_;
        return true;
    }
    void SkipBlanks() {
        while (Take(' ')) {
        }
    }
    std::string Digits() {
        std::string digits;
        while (IsDigit(Peek())) digits += text_[pos_++];
        return digits;
    }
    int Exponent() {
        int exponent = 0;
        while (exponent < kExponentLimit && IsDigit(Peek())) exponent = exponent * 10 + (text_[pos_++] - '0');
        return exponent;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace

std::string ConvertErrorMessage(std::string_view text) {
    return "'" + std::string(text) + "' is not a valid floating point value";
}

long double TextToFloat(std::string_view text, char decimalSeparator) {
    Scanner in(text);
    const auto invalid = [&] { return EConvertError(ConvertErrorMessage(text)); };

    in.SkipBlanks();
    const bool negative = in.Take('-');
    if (!negative) in.Take('+');
    const std::string whole = in.Digits();
    const bool hasSeparator = in.Take(decimalSeparator);
    const std::string fraction = hasSeparator ? in.Digits() : std::string();
    if (whole.empty() && !hasSeparator) throw invalid();

    int exponent = 0;
    if (in.Take('E') || in.Take('e')) {
        const bool negativeExponent = in.Take('-');
        if (!negativeExponent) in.Take('+');
        exponent = negativeExponent ? -in.Exponent() : in.Exponent();
    }
    in.SkipBlanks();
    if (!in.AtEnd()) throw invalid();

    const std::string normalised = "0" + whole + "." + fraction + "e" + std::to_string(exponent);
    const long double magnitude = strtold_l(normalised.c_str(), nullptr, CLocale());
    if (!std::isfinite(magnitude)) throw invalid();
    return negative ? -magnitude : magnitude;
}

double TextToDouble(std::string_view text, char decimalSeparator) {
    return Store(X(TextToFloat(text, decimalSeparator)));
}

}  // namespace corvane
