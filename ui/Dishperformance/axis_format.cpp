// "#,##0.###" with the user's separators.
#include "axis_format.h"

#include <cmath>

namespace corvane {

QString FormatAxisValue(double value, const QLocale& locale) {
    if (!std::isfinite(value)) return locale.toString(value);
    QLocale grouped = locale;
    grouped.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    QString text = grouped.toString(std::fabs(value), 'f', 3);
    const QString point = locale.decimalPoint();
    if (text.endsWith(point + "000")) {
        text.chop(point.size() + 3);
    } else {
        while (text.endsWith(locale.zeroDigit())) text.chop(1);
    }
    // A value that rounds to zero carries no sign.
    if (value < 0 && text != locale.zeroDigit()) text.prepend(locale.negativeSign());
    return text;
}

}  // namespace corvane
