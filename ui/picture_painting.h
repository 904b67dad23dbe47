// QPainter on a graph surface's picture, in device pixels.
//
// Every line is drawn with one kind of pen: one device pixel wide at any
// device pixel ratio (cosmetic), with square caps so that a line includes
// both of its end pixels, and never anti-aliased, so that every lit pixel
// has exactly the pen's colour; solid, or dotted as Qt::DotLine, which
// lights one pixel in three.
#pragma once

#include <QImage>
#include <QPen>
#include <QPoint>
#include <QRgb>

#include "core/graphs/graph_surface.h"

namespace waves {

// A solid black pen of the kind described above.
QPen one_pixel_pen();

// Sets the pen's colour and style in place, so that a pen that is not
// shared is reused without allocating.
void configure_pen(QPen& pen, Rgb colour, PenStyle style);

// drawPolyline on the picture's own device pixels, whatever its device
// pixel ratio. Detaches the picture from any copy of it first.
void paint_polyline(QImage& picture, const QPoint* points, int count, const QPen& pen);

inline QRgb rgb_of(Rgb colour) { return qRgb(colour.red, colour.green, colour.blue); }

}  // namespace waves
