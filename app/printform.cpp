#include "printform.h"

#include "screen.h"
#include "widgets.h"

#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace PrintForm {

namespace {

QSizeF clientInches(const Screen &screen)
{
    constexpr float TwipsPerInch = 1440;
    return {screen.scaleWidth() / TwipsPerInch, screen.scaleHeight() / TwipsPerInch};
}

} // namespace

QPageLayout::Orientation orientationFor(const Screen &screen)
{
    const QSizeF size = clientInches(screen);
    return size.width() > size.height() ? QPageLayout::Landscape : QPageLayout::Portrait;
}

QRectF placement(QSizeF inches, QSizeF area, int resolution)
{
    QSizeF size = inches * resolution;
    if (size.width() > area.width() || size.height() > area.height())
        size.scale(area, Qt::KeepAspectRatio);
    return {QPointF((area.width() - size.width()) / 2, (area.height() - size.height()) / 2), size};
}

bool print(const Screen &screen, QPrinter &printer)
{
    QWidget *window = screen.window();
    if (!window)
        return false;
    // Hidden controls are not in the image; everything else is drawn as on the screen.
    const QImage image = window->grab().toImage();
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QSizeF area = printer.pageRect(QPrinter::DevicePixel).size();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(placement(clientInches(screen), area, printer.resolution()), image);
    return painter.end();
}

} // namespace PrintForm
