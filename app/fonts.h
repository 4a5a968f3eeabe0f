#pragma once

#include "design.h"

#include <QFont>

// Maps the faces the designs name onto the installed metric-compatible fonts, so that texts
// wrap where the layouts expect them to.
void installFontSubstitutions();
// The faces the designs name that are served by a substitute.
QStringList substitutedFaces();

QFont toQFont(const FontSpec &spec);
