// The pixels of a graph surface on screen: a QImage of the drawing area in
// device pixels, and the drawing of the surface's operations into it.
//
// Coordinates are mapped as picture/device_mapping.h says. Lines are drawn
// with QPainter and the pen of picture_painting.h, one device pixel wide and
// aliased, both end pixels included; a point sets exactly its pixel.
// Anti-aliasing was tried and dropped: it gave curves a pale fringe, turned
// a line lying between two pixel rows (the axis at a ratio of 2) into a pale
// band two pixels high and paled the dotted lines, while aliased lines stay
// saturated and crisp on a projector; at a ratio of 2 their steps hardly
// show.
//
// Clipping. What falls outside the picture is clipped by the image. A
// segment is first clipped in device coordinates to the picture widened by
// kClipMargin on every side, so that QPainter never gets coordinates it
// cannot place exactly (picture::clip_segment); ends not finite, or both
// beyond picture::kFarLimit, draw nothing.
//
// Pending drawing. Consecutive line_to calls, and the line before them,
// collect their pixels in one polyline drawn with one drawPolyline when
// another kind of operation arrives or at flush(); a sample in the pixel of
// the one before adds no point. Vertical lines inside the margin that map
// to the same two rows gather in a ColumnRun (column_run.h); the grid's
// period lines, where they lie less than a column apart, mark every column
// between the first and the last at once, so a grid costs the same at any
// span. image() shows only what has been drawn; flush() draws the rest.
// Nothing allocates per sample or per line.
#pragma once

#include <QColor>
#include <QImage>
#include <QPen>
#include <QPoint>
#include <QSize>

#include <vector>

#include "picture/device_mapping.h"
#include "picture/surface_record.h"
#include "ui/column_run.h"

namespace waves {

class SurfaceRaster {
public:
    // How far outside the picture a segment is clipped geometrically; within
    // this margin the image clips pixel by pixel.
    static constexpr double kClipMargin = 16384.0;

    SurfaceRaster();

    // A picture of device_size tagged with the device pixel ratio and filled
    // with the background, with nothing pending. An empty size gives a null
    // picture, on which nothing is drawn.
    void reset(QSize device_size, qreal ratio, const QColor& background);
    QSize device_size() const { return device_size_; }
    qreal ratio() const { return ratio_; }

    // Draws one operation; `state` is the surface's state just before it.
    void draw(const picture::RecordedOperation& operation, const picture::DrawingState& state);
    // Draws whatever is pending and empties it.
    void flush();
    // The picture without what is pending.
    const QImage& image() const { return image_; }

private:
    void draw_segment(picture::DevicePoint from, picture::DevicePoint to, const picture::DrawingState& state);
    void draw_point(picture::DevicePoint at, const picture::DrawingState& state);
    // Adds a line_to's end to the open polyline when no clipping is needed;
    // false when draw_segment must draw it.
    bool continue_polyline(float x, float y, const picture::DrawingState& state);
    // A line from (x, ya) to (x, yb): part of the column run when both ends
    // lie inside the margin, a segment otherwise.
    void draw_vertical_line(float x, float ya, float yb, const picture::DrawingState& state);
    void draw_evenly_spaced_lines(const picture::RecordedOperation& operation, const picture::DrawingState& state);
    // The grid's common case, kept short: one more line of the active run
    // with the same two ends, bit for bit, inside the margin. False, and
    // nothing done, otherwise.
    bool extend_column_run(float x, float ya, float yb) {
        if (!run_.active() || !run_.has_ends(ya, yb)) return false;
        const double u = run_.device_x(x);
        if (!within_margin(u, device_size_.width())) return false;
        run_.add_line(picture::pixel_index(u, device_size_.width()));
        return true;
    }
    // Ends the column run and makes its last line the start of a polyline,
    // for a line_to that continues it.
    void continue_from_column_run();
    void flush_polyline();
    void flush_column_run();

    picture::DevicePoint to_device(const picture::Scale& scale, float x, float y) const {
        return {picture::device_x(scale, x, device_size_.width()), picture::device_y(scale, y, device_size_.height())};
    }
    // REQUIRES: finite and well inside the int range (callers clip first).
    QPoint to_pixel(picture::DevicePoint device) const;
    // Inside the picture widened by kClipMargin, where no clipping moves an
    // end; false for NaN too.
    static bool within_margin(double device, int extent) {
        return device >= -kClipMargin && device <= extent + kClipMargin;
    }

    QImage image_;
    QSize device_size_;
    qreal ratio_ = 0.0;
    std::vector<QPoint> polyline_;
    QPen polyline_pen_;
    // True while the last polyline point is the unclipped current point, so
    // the next line_to may continue the polyline from it.
    bool polyline_open_ = false;
    ColumnRun run_;
};

}  // namespace waves
