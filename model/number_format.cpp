// Locale-independent printf-style formatting of results.
#include "number_format.h"

#include <charconv>
#include <cmath>
#include <stdexcept>

namespace corvane {
namespace {

struct Conversion {
    bool leftAlign = false;
    bool plusSign = false;
    bool blankSign = false;
    bool zeroPad = false;
    int width = 0;
    int precision = 6;
};

int ReadNumber(std::string_view format, std::size_t& pos) {
    int n = 0;
    while (pos < format.size() && format[pos] >= '0' && format[pos] <= '9') n = n * 10 + (format[pos++] - '0');
    return n;
}

Conversion ParseConversion(std::string_view format, std::size_t& pos) {
    Conversion c;
    for (; pos < format.size(); ++pos) {
        const char flag = format[pos];
        if (flag == '-')
            c.leftAlign = true;
        else if (flag == '+')
            c.plusSign = true;
        else if (flag == ' ')
            c.blankSign = true;
        else if (flag == '0')
            c.zeroPad = true;
        else
            break;
    }
    c.width = ReadNumber(format, pos);
    if (pos < format.size() && format[pos] == '.') {
        ++pos;
        c.precision = ReadNumber(format, pos);
    }
    if (pos >= format.size() || format[pos] != 'f') throw std::invalid_argument("unsupported format");
    ++pos;
    return c;
}

std::string Pad(std::string text, const Conversion& c, bool mayZeroPad) {
    const auto size = static_cast<int>(text.size());
    if (size >= c.width) return text;
    const std::size_t fill = static_cast<std::size_t>(c.width - size);
    if (c.leftAlign) return text + std::string(fill, ' ');
    if (c.zeroPad && mayZeroPad) {
        const std::size_t signLength = (!text.empty() && (text[0] == '-' || text[0] == '+' || text[0] == ' ')) ? 1 : 0;
        return text.insert(signLength, fill, '0');
    }
    return std::string(fill, ' ') + text;
}

std::string Special(double value) {
    const char* sign = std::signbit(value) ? "-" : "+";
    return std::string(sign) + (std::isnan(value) ? "NAN" : "INF");
}

std::string Fixed(double value, const Conversion& c) {
    char buffer[400];  // the widest double in fixed notation has 309 digits before the point
    const auto magnitude = std::fabs(value);
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::fixed, c.precision);
    if (result.ec != std::errc{}) throw std::invalid_argument("precision too large");
    std::string digits(buffer, result.ptr);
    if (c.precision == 0 && digits.find('.') != std::string::npos) digits.erase(digits.find('.'));
    if (std::signbit(value)) return "-" + digits;
    if (c.plusSign) return "+" + digits;
    if (c.blankSign) return " " + digits;
    return digits;
}

}  // namespace

std::string FormatFloat(std::string_view format, double value) {
    std::string out;
    for (std::size_t pos = 0; pos < format.size();) {
        if (format[pos] != '%') {
            out += format[pos++];
            continue;
        }
        ++pos;
        if (pos < format.size() && format[pos] == '%') {
            out += '%';
            ++pos;
            continue;
        }
        const Conversion c = ParseConversion(format, pos);
        const bool finite = std::isfinite(value);
        out += Pad(finite ? Fixed(value, c) : Special(value), c, finite);
    }
    return out;
}

}  // namespace corvane
