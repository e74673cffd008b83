// printf-style fixed-point text of one double, always with "." as the decimal point.
#pragma once

#include <string>
#include <string_view>

namespace corvane {

// Formats `value` by a format holding one "%[-+ 0][width][.precision]f" conversion with
// any literal text around it ("%4.2f", "%4.0f sec"). The process locale plays no part.
// Infinities and NaNs print as "+INF", "-INF", "+NAN", "-NAN" within the field width.
std::string FormatFloat(std::string_view format, double value);

}  // namespace corvane
