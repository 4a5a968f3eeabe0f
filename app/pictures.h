#pragma once

#include "design.h"

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QSize>

// Pictures come from the program's resources (":/assets/...") or, for the files that lie beside
// the program, from a path. Vector drawings are rendered at the size they are shown at.
namespace Pictures {

// The most pixels on a side of a picture read from a file: a scanned A4 page at 300 dots per
// inch still fits, and decoded it takes at most 64 MB.
constexpr int MaxSide = 4096;

bool isAvailable(const QString &source);
// Reads a picture file now, as the program's LoadPicture does. A missing file, one cut short,
// one that does not hold a picture in the format its name gives, or one larger than MaxSide
// raises a RuntimeError. Returns the source to show it by.
QString loadFile(const QString &path);
QSize naturalSize(const QString &source);
QPixmap render(const QString &source, QSize logicalSize, qreal devicePixelRatio = 1.0);
QIcon windowIcon(const QString &source);
// The device pixel ratio of the desktop, for pictures drawn before they have a window.
qreal defaultDevicePixelRatio();
// Drawn for the desktop's pixels: pass the device pixel ratio of the screen it is shown on.
QCursor cursor(const Pointer &pointer, qreal devicePixelRatio = defaultDevicePixelRatio());

} // namespace Pictures
