#include "canvas/MeasureText.h"

#include "model/DrawingHeader.h"
#include "base/Rounding.h"

#include <cmath>

QString formatHashes(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    const long long scaled = std::llround(std::fabs(value) * scale);
    const long long whole = scaled / static_cast<long long>(scale);
    long long fraction = scaled % static_cast<long long>(scale);
    QString text = whole > 0 ? QString::number(whole) : QString();
    if (fraction > 0) {
        QString digits = QString::number(fraction).rightJustified(decimals, QLatin1Char('0'));
        while (digits.endsWith(QLatin1Char('0')))
            digits.chop(1);
        text += QLatin1Char('.') + digits;
    }
    if (value < 0 && !text.isEmpty())
        text.prepend(QLatin1Char('-'));
    return text;
}

QString measureText(double value, int unitCode)
{
    if (value < 0.0001)
        return QStringLiteral("None");
    switch (unitCode) {
    case units::kPixels:
        return formatHashes(value, 0)
            + (nearlyEqual(value, 1.0) ? QStringLiteral(" Pixel") : QStringLiteral(" Pixels"));
    case units::kMillimetres:
        return formatHashes(value, 0) + QStringLiteral(" mm");
    case units::kInches:
        return formatHashes(value, 2)
            + (nearlyEqual(value, 1.0) ? QStringLiteral(" Inch") : QStringLiteral(" Inches"));
    default:
        return formatHashes(value, 2);
    }
}
