#include "ui/picture_painting.h"

#include <QColor>
#include <QPainter>

namespace waves {

QPen one_pixel_pen() {
    QPen pen;
    pen.setWidth(1);
    pen.setCosmetic(true);
    pen.setCapStyle(Qt::SquareCap);
    return pen;
}

void configure_pen(QPen& pen, Rgb colour, PenStyle style) {
    const QColor wanted(colour.red, colour.green, colour.blue);
    if (pen.color() != wanted) pen.setColor(wanted);
    if (style == PenStyle::dashed) {
        // Five pixels lit in eight, as picture/pixel_raster.h dashes.
        if (pen.style() != Qt::CustomDashLine) pen.setDashPattern({5.0, 3.0});
        return;
    }
    const Qt::PenStyle wanted_style = style == PenStyle::dotted ? Qt::DotLine : Qt::SolidLine;
    if (pen.style() != wanted_style) pen.setStyle(wanted_style);
}

void paint_polyline(QImage& picture, const QPoint* points, int count, const QPen& pen) {
    // A view of the picture's pixels without the device pixel ratio, so the
    // painter works in device pixels with no scaling; bits() detaches.
    QImage device_pixels(picture.bits(), picture.width(), picture.height(), picture.bytesPerLine(),
                         picture.format());
    QPainter painter(&device_pixels);
    painter.setPen(pen);
    painter.drawPolyline(points, count);
}

}  // namespace waves
