#include "settings/MeasureParsing.h"

#include <QLocale>

#include <cmath>

namespace {

bool toFiniteDouble(const QString& text, double& value)
{
    bool ok = false;
    const double v = text.toDouble(&ok); // C locale: "." is the separator
    if (!ok || !std::isfinite(v))
        return false;
    value = v;
    return true;
}

} // namespace

MeasureResult parseMeasure(const QString& typed)
{
    QString text = typed.trimmed();
    if (text.isEmpty())
        return {};
    if (text.endsWith(u'"'))
        text.chop(1);
    text.replace(u',', u'.');
    const qsizetype slash = text.indexOf(u'/');
    double value = 0.0;
    if (slash < 0) {
        if (!toFiniteDouble(text, value))
            return {};
        return { true, value };
    }
    double numerator = 0.0;
    double denominator = 0.0;
    if (!toFiniteDouble(text.left(slash), numerator) || !toFiniteDouble(text.mid(slash + 1), denominator))
        return {};
    if (numerator == 0.0 || denominator == 0.0)
        return { true, 0.0 };
    value = numerator / denominator;
    if (!std::isfinite(value))
        return {};
    return { true, value };
}

double parseStoredFloat(const QString& stored)
{
    QString text = stored.trimmed();
    text.replace(u',', u'.');
    text.remove(u' ');
    if (text.isEmpty())
        return 0.0;
    double value = 0.0;
    if (!toFiniteDouble(text, value))
        return 0.0;
    return value;
}

QString formatStoredFloat(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}
