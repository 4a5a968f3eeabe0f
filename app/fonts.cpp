#include "fonts.h"

void installFontSubstitutions()
{
    // Without this, fontconfig answers "MS Sans Serif" with the much wider DejaVu Sans.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
}

QStringList substitutedFaces()
{
    return {QStringLiteral("Arial"), QStringLiteral("MS Sans Serif"), QStringLiteral("Times New Roman")};
}

QFont toQFont(const FontSpec &spec)
{
    QFont font(spec.face);
    font.setPointSizeF(spec.size);
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    font.setStrikeOut(spec.strikeout);
    font.setKerning(false);
    return font;
}
