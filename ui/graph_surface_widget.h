// A graph surface on screen: a framed drawing area whose picture is a
// retained image that the drawing routines paint into.
//
// Border. The widget is a QFrame with the style's panel frame, sunken
// (QFrame::StyledPanel | QFrame::Sunken): the thin sunken border the
// platform draws around its own views (one pixel in Fusion). The picture
// fills contentsRect(), the area inside that border, and is painted after
// the border, so a style that draws its border slightly into that area
// (Fusion at a ratio of 2) hides no picture pixel. The window sets the
// outer geometry; surface_height() is that outer height, border included.
//
// Picture. A QImage of the drawing area at the widget's device pixel ratio:
// contentsRect().size() x devicePixelRatioF() pixels, tagged with that
// ratio. At a ratio of 2 it has twice the pixels in each direction and every
// line is one device pixel wide, drawn at that resolution, never an enlarged
// 1x image. Painting only copies the picture; nothing is redrawn on
// exposure, so the picture survives hiding, covering and minimising.
//
// Painting. The picture is shown by a child widget that covers exactly
// contentsRect(), is opaque (Qt::WA_OpaquePaintEvent), lets mouse events
// through to the surface and is no part of what accessibility tools list.
// A redraw updates only that child, so the screen repaints the picture and
// whatever lies on top of it (the caption of the reference graph), but
// neither the border nor the panels and the window beneath: the border
// never changes, and repainting the band behind every redrawn graph cost
// more than the graph itself. Exposure paints the border
// first and the picture over it, as before. The view stays below every
// other child: it is lowered again whenever a child is added or polished
// (the window restacks its controls after creating them).
//
// Keeping the picture across a new size or ratio. Besides the image the
// surface keeps the state it had at the last clear (scale, pen, current
// point) and a compact record of every later operation, with its arguments
// exactly as received (40 bytes each, some 410 for a plotted curve; the
// grid's period lines, however many, are one entry; the record's storage is
// reused after each clear). When the drawing area's size or the device
// pixel ratio no longer matches the image (the widget was resized, or its
// window moved to a screen with another ratio), the image is made afresh at
// the new resolution and the record is replayed onto it, so the picture is
// rendered again, crisp, with the same content. The check runs on a resize,
// at every clear, before every paint and in picture(), so no other
// notification is needed: an operation that arrives in between may draw at
// the old resolution, and the record renders it again at the new one before
// anything is shown. The record describes exactly what the picture shows,
// no more: it is not a cache of sample values.
//
// Coordinates to device pixels, the only mapping. The scale's rectangle
// covers the drawing area exactly. With W x H the picture's size in device
// pixels and the scale (x_left, y_top)-(x_right, y_bottom), to_device gives
//   u = (x - x_left) / (x_right - x_left) x W,
//   v = (y - y_top) / (y_bottom - y_top) x H,
// in double precision from the single-precision arguments, and to_pixel
// makes that column floor(u), row floor(v): pixel i covers [i, i + 1), and
// the far edges u = W and v = H themselves belong to the last column and
// row, so everything in the frame, its edges included, is visible. On a
// wave_frame graph of 239 x 63 pixels inside the border, y = 10 is row 0,
// y = -10 row 62, the axis y = 0 row 31 (the middle row), x = 0 column 0 and
// x = x_end column 238. Values in tenths (the amplitudes' peaks) never fall
// on a row boundary of a 63- or 126-row graph, which lie at multiples of
// 20/63 of a unit from the top, so a curve does not jitter between two rows
// at its peaks; at 126 rows y = 0 lies exactly on a boundary and the axis
// takes the row below it, row 63. Until the first set_scale the scale is
// (0, 0)-(1, 1). A scale of zero width or height maps nothing anywhere, so
// nothing is drawn.
//
// Lines and points, all aliased. line and line_to draw a one-device-pixel
// line between the two mapped pixels, both end pixels included; point sets
// exactly the mapped pixel. The dotted pen lights one device pixel in three
// along the line (Qt::DotLine), at any ratio. No anti-aliasing: rendered side
// by side at 1x and 2x, anti-aliasing gave every curve a pale fringe, turned
// a line lying between two pixel rows (the axis at 2x) into a pale band two
// pixels high and paled the dotted period lines, while the aliased lines
// stay fully saturated and one device pixel wide, which reads better on a
// projector. At 2x the aliased curves' steps are hardly visible; at 1x they
// show, the price of that crispness.
//
// Clipping. Whatever falls outside the drawing area is clipped by the
// image; nothing is reported. A segment is first clipped, in device
// coordinates, to the drawing area widened by kClipMargin pixels on every
// side, measured from whichever end is nearer the area's origin, so that
// the clipped ends stay exact to a small fraction of a pixel. Coordinates
// that are not finite (NaN, infinity, or a degenerate scale) draw nothing;
// nor does a segment whose two ends both lie beyond kFarLimit device pixels
// from the origin, since double precision could not place its visible part
// to within a pixel. The current point still moves to the new position in every case.
//
// Drawing cost. The sample loop sends one point and about 400 line_to calls
// per curve; the grid sends t_span - 1 vertical period lines, 99999 at a
// span of 100000 on a picture 239 pixels wide. Consecutive line_to calls
// (and the line before them) collect their device pixels in one polyline
// buffer, whose storage is reused, and the buffer is drawn with one
// drawPolyline when any other operation arrives, before a paint and in
// picture(). A sample in the same pixel as the one before adds no point.
// Consecutive vertical lines that lie inside the clipping margin and map to
// the same two rows only mark their pixel column; each marked column is
// drawn once when the run ends, since a line's pixels depend only on its
// two end pixels and the pen, and the lines of a run share both. The grid
// sends its period lines in one vertical_lines call (one record entry);
// where they lie less than a column apart they hit every column between
// the first line's and the last line's, so that range is marked at once
// and the grid costs the same at any span. The pixels of such a
// column are set directly, exactly as drawPolyline sets them (every pixel
// of a solid line; of a dotted one, the start pixel and every third pixel
// from it towards the end); a dotted column whose start lies outside the
// picture, where the dots' phase is Qt's own, is drawn by drawPolyline.
// Nothing allocates per sample or per line.
#pragma once

#include <QColor>
#include <QFrame>
#include <QImage>
#include <QPen>
#include <QPoint>
#include <QPointF>
#include <QRgb>
#include <QSize>

#include <array>
#include <cstdint>
#include <vector>

#include "graphs/graph_surface.h"

class GraphSurfaceWidget final : public QFrame, public waves::GraphSurface {
    Q_OBJECT

public:
    explicit GraphSurfaceWidget(const QColor& background, QWidget* parent = nullptr);

    // waves::GraphSurface
    void clear() override;
    void set_scale(float x_left, float y_top, float x_right, float y_bottom) override;
    void set_pen_colour(waves::Rgb colour) override;
    void set_pen_style(waves::PenStyle style) override;
    void line(float xa, float ya, float xb, float yb) override;
    void line_to(float x, float y) override;
    void point(float x, float y) override;
    // The same pixels as the count lines one by one, in time that stops
    // growing with count once the lines are denser than the pixel columns.
    void vertical_lines(double spacing, std::int64_t count, float y_from, float y_to) override;
    // The control's outer height in logical pixels, border included.
    double surface_height() const override;

    // The retained picture of the drawing area, in device pixels, with
    // everything drawn so far.
    QImage picture() const;

    // True for the child widget that shows the picture: part of the surface
    // itself, not a control placed on it (assistive technology skips it).
    bool is_own_part(const QObject* child) const;

    // How far outside the drawing area a segment is clipped geometrically;
    // within this margin the image clips pixel by pixel.
    static constexpr double kClipMargin = 16384.0;
    // A segment whose two ends both lie beyond this many device pixels from
    // the area's origin (in x or y) is not drawn.
    static constexpr double kFarLimit = 17592186044416.0;  // 2^44

protected:
    // The frame's border, and a focus frame over it while the graph has the
    // keyboard focus (a screen reader then reads the graph's description).
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void childEvent(QChildEvent* event) override;

private:
    struct Scale {
        float x_left = 0.0f;
        float y_top = 0.0f;
        float x_right = 1.0f;
        float y_bottom = 1.0f;
    };

    // What the interface promises to keep from one call to the next.
    struct DrawingState {
        Scale scale;
        waves::Rgb pen_colour{};
        waves::PenStyle pen_style = waves::PenStyle::solid;
        float current_x = 0.0f;
        float current_y = 0.0f;
    };

    enum class Operation : std::uint8_t {
        set_scale,
        set_pen_colour,
        set_pen_style,
        line,
        line_to,
        point,
        // line_count lines from (x_k, args[0]) to (x_k, args[1]), where
        // x_k = float(spacing x k), k = 1 .. line_count.
        evenly_spaced_lines,
    };

    // One operation since the last clear, with its arguments as received.
    struct RecordedOperation {
        Operation operation = Operation::point;
        waves::Rgb colour{};                             // set_pen_colour
        waves::PenStyle style = waves::PenStyle::solid;  // set_pen_style
        std::array<float, 4> args{};                     // coordinates, in argument order
        std::int64_t line_count = 0;                     // evenly_spaced_lines
        double spacing = 0.0;                            // evenly_spaced_lines
    };

    // A segment in device coordinates after clipping to the widened area.
    struct DeviceSegment {
        QPointF from;
        QPointF to;
        bool from_moved = false;  // the start was cut back by clipping
        bool to_moved = false;    // the end was cut back by clipping
    };

    // Vertical lines waiting to be drawn: all from start_row to end_row, in
    // the marked columns, with one pen.
    struct ColumnRun {
        bool active = false;
        // The user ends of the line that started the run, and the mapping of
        // x as to_device does it: a later line with the same ends, bit for
        // bit, has the same rows and needs only its column.
        float ya = 0.0f;
        float yb = 0.0f;
        double x_left = 0.0;
        double x_extent = 1.0;  // x_right - x_left
        int start_row = 0;
        int end_row = 0;
        waves::Rgb colour{};
        waves::PenStyle style = waves::PenStyle::solid;
        std::vector<std::uint64_t> marked;  // one bit per picture column
        bool any_marked = false;
        // The run's last line is marked only when the run ends: a line_to
        // may continue it as a polyline instead (whose join pixel Qt draws
        // differently from a line's end pixel).
        bool has_last = false;
        int last_column = 0;
    };

    // Adds the operation to the record.
    void record(const RecordedOperation& operation);
    // The child that shows the picture (see "Painting").
    class PictureView;
    // Schedules a paint of the new drawing, once until the next paint.
    void request_paint();
    // Paints the up-to-date picture, with everything drawn so far, onto the
    // picture view.
    void paint_picture(QWidget& view) const;

    // Draws one operation with the given state, without recording it; used
    // for new operations and for replaying the record.
    void apply(const RecordedOperation& operation, DrawingState& state) const;
    void apply_segment(QPointF from, QPointF to, const DrawingState& state) const;
    void apply_point(QPointF at, const DrawingState& state) const;
    // A line from (x, ya) to (x, yb): marked in the column run when both ends
    // map inside the clipping margin, drawn as a segment otherwise.
    void apply_vertical_line(float x, float ya, float yb, DrawingState& state) const;
    // The lines of an evenly_spaced_lines operation. Where consecutive lines
    // lie less than a pixel column apart, every column between the first
    // line's and the last line's is hit, so the columns are marked as a
    // range instead of line by line.
    void apply_evenly_spaced_lines(const RecordedOperation& operation, DrawingState& state) const;
    // Adds a line_to's end to the open polyline when no clipping is needed;
    // false when the general path must draw it.
    bool continue_polyline(float x, float y, const DrawingState& state) const;

    // Re-renders the picture from the record if the drawing area's device
    // size or ratio changed since it was made.
    void bring_picture_up_to_date() const;
    // Makes an image of the given device size, fills it with the background
    // and replays the record onto it.
    void render_picture(QSize device_size, qreal ratio) const;
    // Draws whatever is pending (polyline and column run) and empties it.
    void flush_pending() const;
    // Draws the collected polyline, if any, and empties the buffer.
    void flush_polyline() const;
    // Marks the columns first .. last of the run, those in the picture.
    void mark_columns(int first, int last) const;
    // Marks a column of the run, if it lies in the picture.
    void mark_column(int column) const {
        if (column < 0 || column >= picture_device_size_.width()) return;
        const auto index = static_cast<std::size_t>(column);
        column_run_.marked[index / 64] |= std::uint64_t{1} << (index % 64);
        column_run_.any_marked = true;
    }
    // The grid's common case, kept short: one more line of the active run
    // with the same two ends, bit for bit, inside the clipping margin: only
    // its column is new. False, and nothing done, otherwise.
    bool extend_column_run(float x, float ya, float yb, DrawingState& state) const;
    // Draws each marked column of the run once and ends the run.
    void flush_column_run() const;
    // Ends the column run and makes its last line the start of a polyline,
    // for a line_to that continues it.
    void continue_from_column_run() const;
    // Sets the pixels of one column of the run, as drawPolyline would.
    void draw_column(int column, QRgb* pixels, qsizetype pixels_per_line) const;
    // drawPolyline on the picture's own device pixels.
    void paint_polyline(const QPoint* points, int count, const QPen& pen) const;

    QSize wanted_device_size() const;
    // The single user-to-device mapping described above, before rounding,
    // and its two halves.
    QPointF to_device(const Scale& scale, float x, float y) const;
    double device_x(const Scale& scale, float x) const;
    double device_y(const Scale& scale, float y) const;
    QPoint to_pixel(QPointF device) const;
    // The pixel of a device coordinate: floor, and the far edge itself
    // belongs to the last pixel. REQUIRES: well inside the int range.
    static int pixel_index(double coordinate, int extent) {
        if (coordinate == extent) return extent - 1;
        const int truncated = static_cast<int>(coordinate);
        return truncated - (coordinate < truncated ? 1 : 0);
    }
    // Inside the drawing area widened by kClipMargin, where no clipping moves
    // an end; false for NaN too.
    static bool within_margin(double device, int extent) {
        return device >= -kClipMargin && device <= extent + kClipMargin;
    }
    // Sets the pen's colour and style in place, so that a pen that is not
    // shared is reused without allocating.
    static void configure_pen(QPen& pen, waves::Rgb colour, waves::PenStyle style);

    QColor background_;

    // The state now, and as it was at the last clear, plus the record of
    // every operation since: enough to render the picture at any resolution.
    DrawingState state_;
    DrawingState cleared_state_;
    std::vector<RecordedOperation> record_;
    PictureView* picture_view_ = nullptr;  // owned by Qt, as a child
    // True from a request to the picture view's next paint.
    mutable bool paint_requested_ = false;

    // The rendering of the record at the current resolution. Mutable: a
    // paint or picture() may have to draw pending lines or render the same
    // content at a new resolution, which changes no visible state.
    mutable QImage picture_;
    mutable QSize picture_device_size_;
    mutable qreal picture_ratio_ = 0.0;
    mutable std::vector<QPoint> polyline_;
    mutable QPen polyline_pen_;
    // True while the last polyline point is the unclipped current point, so
    // the next line_to may continue the polyline from it.
    mutable bool polyline_open_ = false;
    mutable ColumnRun column_run_;
};
