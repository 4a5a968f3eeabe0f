#include "numbertext.h"

#include <cmath>

namespace NumberText {

QString format(float value, const QLocale &locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    QString text = plain.toString(double(value), 'g', 7);
    const QString minus = plain.negativeSign();
    if (minus != QLatin1String("-") && text.startsWith(minus))
        text.replace(0, minus.size(), QLatin1String("-"));
    return text;
}

static std::optional<float> finite(float value)
{
    if (std::isfinite(value))
        return value;
    return std::nullopt;
}

std::optional<float> parse(const QString &text, const QLocale &locale)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;

    QLocale strict = locale;
    strict.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    float value = strict.toFloat(trimmed, &ok);
    if (ok)
        return finite(value);

    // The other decimal separator: a point where the locale writes a comma, and the other way.
    const QString decimal = strict.decimalPoint();
    const QString other = decimal == QLatin1String(",") ? QStringLiteral(".") : QStringLiteral(",");
    if (!trimmed.contains(other))
        return std::nullopt;
    QString swapped = trimmed;
    swapped.replace(other, QLatin1String("."));
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    value = c.toFloat(swapped, &ok);
    if (ok)
        return finite(value);
    return std::nullopt;
}

} // namespace NumberText
