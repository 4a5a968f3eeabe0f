#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// The text form of numbers in the settings store: the user's locale, at most 7 significant
// digits, no digit grouping, no trailing zeros or separator, a plain "-" for negative values.
namespace NumberText {

QString format(float value, const QLocale &locale = QLocale());

// Reads the locale's own form first, then the form with the other decimal separator, so that a
// store written under another locale still reads back. Nothing else is a number, and neither
// is a value no float holds (NaN, infinity, anything beyond the float range).
std::optional<float> parse(const QString &text, const QLocale &locale = QLocale());

} // namespace NumberText
