#pragma once

#include "design.h"

#include <QFont>

// Maps the faces the designs name onto the installed metric-compatible fonts, so that texts
// wrap where the layouts expect them to.
void installFontSubstitutions();

QFont toQFont(const FontSpec &spec);
