#include "output/PageMeasure.h"

#include "model/DrawingHeader.h"

#include <cmath>
#include <optional>

namespace {

using units::kInches;

std::optional<double> parseDecimal(const QString& text)
{
    bool ok = false;
    const double v = text.toDouble(&ok); // C locale: "." is the separator
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::optional<int> parseInteger(const QString& text)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return v;
}

// An inch fraction such as "8 1/2", "1/4" or "8"; the caller has removed the sign.
std::optional<double> parseInchFraction(QString text)
{
    text.replace(QLatin1Char('-'), QLatin1Char(' '));
    text = text.trimmed();
    double whole = 0.0;
    const qsizetype space = text.indexOf(QLatin1Char(' '));
    if (space >= 0) {
        const std::optional<int> w = parseInteger(text.left(space));
        if (!w)
            return std::nullopt;
        whole = *w;
        text = text.mid(space + 1).trimmed();
    }
    const qsizetype slash = text.indexOf(QLatin1Char('/'));
    if (slash < 0) {
        if (text.isEmpty())
            return whole;
        return std::nullopt;
    }
    const std::optional<int> numerator = parseInteger(text.left(slash));
    const std::optional<int> denominator = parseInteger(text.mid(slash + 1));
    if (!numerator || !denominator || *numerator == 0 || *denominator == 0)
        return std::nullopt;
    return static_cast<double>(*numerator) / *denominator + whole;
}

} // namespace

PageMeasure parsePageMeasure(const QString& typed, int units)
{
    QString text = typed.trimmed();
    if (text.isEmpty())
        return { true, 0.0 };
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    if (units == kInches) {
        if (text.endsWith(QLatin1Char('"')))
            text.chop(1);
        text = text.trimmed();
        if (text.isEmpty())
            return {};
    }
    if (const std::optional<double> v = parseDecimal(text))
        return { true, *v };
    if (units != kInches)
        return {};

    double sign = 1.0;
    if (text.startsWith(QLatin1Char('-'))) {
        sign = -1.0;
        text.remove(0, 1);
    }
    const std::optional<double> v = parseInchFraction(text);
    if (!v)
        return {};
    return { true, *v * sign };
}
