// The "#,##0.###" number format of the chart axes and cursor readouts.
#pragma once

#include <QLocale>
#include <QString>

namespace corvane {

// At least one digit before the decimal separator, digits grouped in thousands, at most
// three decimals, rounded, no trailing zeros and no separator when the decimals are all
// zero; separators are the locale's.
QString FormatAxisValue(double value, const QLocale& locale);

}  // namespace corvane
