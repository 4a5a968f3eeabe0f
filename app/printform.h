#pragma once

#include <QPageLayout>
#include <QSizeF>

class QPrinter;
class Screen;

// Printing a screen: one page carrying an image of its client area as it is shown now, at its
// on-screen size (1440 twips to the inch), placed whole and centred on the printable area.
namespace PrintForm {

// The orientation in which the client area fits the page better.
QPageLayout::Orientation orientationFor(const Screen &screen);

// Returns false when the printer could not be started or finished; what was drawn is lost then.
bool print(const Screen &screen, QPrinter &printer);

// Where an image of this size in inches lies on a printable area of that size in device
// pixels at that resolution: at its own size if it fits, otherwise scaled down to fit.
QRectF placement(QSizeF inches, QSizeF area, int resolution);

} // namespace PrintForm
