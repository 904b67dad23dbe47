// A graph surface's picture for a vector device: an SVG file, a PDF file, a
// printer. Instead of the surface's retained image, which would be
// enlarged pixel by pixel, the surface's record (picture/surface_record.h)
// is replayed as vector shapes through QPainter, so the graphs stay sharp
// at the device's own resolution.
//
// Coordinates are mapped as picture/device_mapping.h says, onto the drawing
// area's logical size (the painter's transform does the rest):
//   - consecutive line_to calls, and the line or point they start from,
//     are one polyline; a segment that leaves the area is clipped there
//     geometrically (picture::clip_segment), so the device never gets a
//     far-away coordinate;
//   - a point is a dot of the pen;
//   - the grid's period lines are single lines, at most four for each
//     logical pixel of width: denser lines would be ink on ink.
// The pen is the thinnest the device draws (cosmetic, width 0: one pixel
// of an SVG picture, a hairline on paper), in the surface's colour; dotted
// and dashed as on screen. Everything is clipped to the drawing area, which
// is first filled with the background.
#pragma once

#include <QColor>
#include <QPainter>
#include <QSize>

#include "picture/surface_record.h"

namespace waves {

// True when the painter draws on a vector device (SVG, PDF, a printer or a
// QPicture), also when a widget's painting is redirected there by render().
bool paints_vectors(QPainter& painter);

// Draws the record's picture onto a drawing area of logical_size at the
// painter's origin.
void paint_record_as_vectors(QPainter& painter, const picture::SurfaceRecord& record, QSize logical_size,
                             const QColor& background);

}  // namespace waves
