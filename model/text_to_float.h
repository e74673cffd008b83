// Conversion of a field's text to a number, with the user's decimal separator.
#pragma once

#include <string>
#include <string_view>

namespace corvane {

// The value of `text` in extended precision. Accepts blanks (spaces only) around the number,
// an optional sign, digits with an optional `decimalSeparator` and an optional exponent.
// Anything else raises EConvertError "'<text>' is not a valid floating point value".
long double TextToFloat(std::string_view text, char decimalSeparator);

// TextToFloat stored into a double: a value beyond the double range raises EOverflow.
double TextToDouble(std::string_view text, char decimalSeparator);

std::string ConvertErrorMessage(std::string_view text);

}  // namespace corvane
