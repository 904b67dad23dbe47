#include "ui/graph_surface_widget.h"

#include <QChildEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QResizeEvent>

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <cmath>
#include <optional>
#include <utility>

namespace {

// Storage reserved up front: one plotted curve is a point and about 400
// line_to calls, plus a handful of grid and pen operations.
constexpr std::size_t kExpectedOperations = 512;

// One pixel in three is lit along a dotted line (Qt::DotLine at one pixel).
constexpr int kDotPeriod = 3;

bool is_finite(QPointF p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

double magnitude(QPointF p) { return std::max(std::abs(p.x()), std::abs(p.y())); }

// The same float, bit for bit (so -0 is not 0, and a NaN may equal itself).
bool same_bits(float a, float b) { return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b); }

// Clips the segment from -> to to the rectangle [left, right] x [top, bottom]
// (Liang-Barsky), parametrised from `from`. Returns the parameter range
// [t_enter, t_exit] inside the rectangle, or nothing if no part lies inside.
std::optional<std::pair<double, double>> clip_parameters(QPointF from, QPointF to, double left,
                                                         double top, double right, double bottom) {
    const double dx = to.x() - from.x();
    const double dy = to.y() - from.y();
    double t_enter = 0.0;
    double t_exit = 1.0;
    // Each edge: the segment is inside where p x t <= q.
    const std::array<std::pair<double, double>, 4> edges{{
        {-dx, from.x() - left},
        {dx, right - from.x()},
        {-dy, from.y() - top},
        {dy, bottom - from.y()},
    }};
    for (const auto& [p, q] : edges) {
        if (p == 0.0) {
            if (q < 0.0) return std::nullopt;  // parallel to this edge and outside it
            continue;
        }
        const double t = q / p;
        if (p < 0.0) {
            t_enter = std::max(t_enter, t);
        } else {
            t_exit = std::min(t_exit, t);
        }
        if (t_enter > t_exit) return std::nullopt;
    }
    return std::pair{t_enter, t_exit};
}

QRgb rgb_of(waves::Rgb c) { return qRgb(c.red, c.green, c.blue); }

}  // namespace

class GraphSurfaceWidget::PictureView final : public QWidget {
public:
    explicit PictureView(GraphSurfaceWidget& surface) : QWidget(&surface), surface_(surface) {
        // It paints every pixel it covers, so nothing beneath is repainted.
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        // Assistive technology leaves it out (GraphSurfaceWidget::is_own_part):
        // to a screen reader the graph stays one picture.
        setObjectName(QStringLiteral("picture"));
    }

protected:
    void paintEvent(QPaintEvent*) override { surface_.paint_picture(*this); }

private:
    GraphSurfaceWidget& surface_;
};

GraphSurfaceWidget::GraphSurfaceWidget(const QColor& background, QWidget* parent)
    : QFrame(parent), background_(background) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    // Created first, so that every child the window adds (the reference
    // graph's caption) lies above it.
    picture_view_ = new PictureView(*this);
    picture_view_->setGeometry(contentsRect());
    record_.reserve(kExpectedOperations);
    polyline_.reserve(kExpectedOperations);
    polyline_pen_.setWidth(1);
    polyline_pen_.setCosmetic(true);
    // Square caps make a line include both of its end pixels.
    polyline_pen_.setCapStyle(Qt::SquareCap);
}

bool GraphSurfaceWidget::is_own_part(const QObject* child) const {
    return child != nullptr && child == static_cast<const QObject*>(picture_view_);
}

// ---- the interface -------------------------------------------------------

void GraphSurfaceWidget::clear() {
    record_.clear();
    cleared_state_ = state_;
    // Pending lines would be erased at once: rendering the empty record drops
    // them undrawn.
    render_picture(wanted_device_size(), devicePixelRatioF());
    request_paint();
}

void GraphSurfaceWidget::set_scale(float x_left, float y_top, float x_right, float y_bottom) {
    const RecordedOperation operation{Operation::set_scale, {}, {}, {x_left, y_top, x_right, y_bottom}};
    record(operation);
    apply(operation, state_);
}

void GraphSurfaceWidget::set_pen_colour(waves::Rgb colour) {
    const RecordedOperation operation{Operation::set_pen_colour, colour, {}, {}};
    record(operation);
    apply(operation, state_);
}

void GraphSurfaceWidget::set_pen_style(waves::PenStyle style) {
    const RecordedOperation operation{Operation::set_pen_style, {}, style, {}};
    record(operation);
    apply(operation, state_);
}

// Defined ahead of line(), their one hot caller, so that they inline.

inline void GraphSurfaceWidget::request_paint() {
    if (paint_requested_) return;
    paint_requested_ = true;
    picture_view_->update();
}

inline bool GraphSurfaceWidget::extend_column_run(float x, float ya, float yb, DrawingState& state) const {
    ColumnRun& run = column_run_;
    if (!run.active || !same_bits(ya, run.ya) || !same_bits(yb, run.yb)) return false;
    // The column as device_x finds it, operation for operation.
    const int width = picture_device_size_.width();
    const double u = (static_cast<double>(x) - run.x_left) / run.x_extent * width;
    if (!within_margin(u, width)) return false;
    if (run.has_last) mark_column(run.last_column);
    run.last_column = pixel_index(u, width);
    run.has_last = true;
    state.current_x = x;
    state.current_y = yb;
    return true;
}

void GraphSurfaceWidget::line(float xa, float ya, float xb, float yb) {
    const RecordedOperation operation{Operation::line, {}, {}, {xa, ya, xb, yb}};
    record(operation);
    apply(operation, state_);
    request_paint();
}

void GraphSurfaceWidget::vertical_lines(double spacing, std::int64_t count, float y_from, float y_to) {
    if (count <= 0) return;
    const RecordedOperation operation{Operation::evenly_spaced_lines, {}, {}, {y_from, y_to, 0.0f, 0.0f}, count,
                                      spacing};
    record(operation);
    apply(operation, state_);
    request_paint();
}

void GraphSurfaceWidget::line_to(float x, float y) {
    const RecordedOperation operation{Operation::line_to, {}, {}, {x, y, 0.0f, 0.0f}};
    record(operation);
    apply(operation, state_);
    request_paint();
}

void GraphSurfaceWidget::point(float x, float y) {
    const RecordedOperation operation{Operation::point, {}, {}, {x, y, 0.0f, 0.0f}};
    record(operation);
    apply(operation, state_);
    request_paint();
}

double GraphSurfaceWidget::surface_height() const { return static_cast<double>(height()); }

QImage GraphSurfaceWidget::picture() const {
    bring_picture_up_to_date();
    flush_pending();
    return picture_;
}

// ---- Qt events -----------------------------------------------------------

void GraphSurfaceWidget::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    picture_view_->setGeometry(contentsRect());
    // The picture follows a new size at once; a new device pixel ratio is
    // caught by the next clear, paint or picture().
    bring_picture_up_to_date();
}

void GraphSurfaceWidget::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = rect();
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
}

void GraphSurfaceWidget::focusInEvent(QFocusEvent* event) {
    QFrame::focusInEvent(event);
    update();
}

void GraphSurfaceWidget::focusOutEvent(QFocusEvent* event) {
    QFrame::focusOutEvent(event);
    update();
}

void GraphSurfaceWidget::changeEvent(QEvent* event) {
    QFrame::changeEvent(event);
    // A new style may draw a border of another width.
    if (event->type() == QEvent::StyleChange) picture_view_->setGeometry(contentsRect());
}

void GraphSurfaceWidget::childEvent(QChildEvent* event) {
    QFrame::childEvent(event);
    // The view itself is added while it is being made, before picture_view_
    // points to it.
    const bool other_child =
        picture_view_ != nullptr && event->child() != picture_view_ && event->child()->isWidgetType();
    if (other_child && (event->added() || event->polished())) picture_view_->lower();
}

void GraphSurfaceWidget::paint_picture(QWidget& view) const {
    paint_requested_ = false;
    bring_picture_up_to_date();
    flush_pending();
    QPainter painter(&view);
    // The picture carries the device pixel ratio, so it lands one image
    // pixel on one device pixel.
    painter.drawImage(QPoint(0, 0), picture_);
}

// ---- recording ---------------------------------------------------------------

void GraphSurfaceWidget::record(const RecordedOperation& operation) {
    record_.push_back(operation);
}

// ---- drawing -------------------------------------------------------------------

void GraphSurfaceWidget::apply(const RecordedOperation& operation, DrawingState& state) const {
    const auto& args = operation.args;
    switch (operation.operation) {
    case Operation::set_scale:
        flush_pending();
        state.scale = {args[0], args[1], args[2], args[3]};
        return;
    case Operation::set_pen_colour:
        flush_pending();
        state.pen_colour = operation.colour;
        return;
    case Operation::set_pen_style:
        flush_pending();
        state.pen_style = operation.style;
        return;
    case Operation::line:
        if (same_bits(args[0], args[2])) {
            // A vertical line, as a grid's: drawn as part of a column run.
            apply_vertical_line(args[0], args[1], args[3], state);
            return;
        }
        // A line starts a new polyline that later line_to calls continue.
        flush_pending();
        apply_segment(to_device(state.scale, args[0], args[1]), to_device(state.scale, args[2], args[3]),
                      state);
        state.current_x = args[2];
        state.current_y = args[3];
        return;
    case Operation::line_to:
        if (column_run_.active) continue_from_column_run();
        if (!continue_polyline(args[0], args[1], state)) {
            apply_segment(to_device(state.scale, state.current_x, state.current_y),
                          to_device(state.scale, args[0], args[1]), state);
        }
        state.current_x = args[0];
        state.current_y = args[1];
        return;
    case Operation::point:
        flush_pending();
        apply_point(to_device(state.scale, args[0], args[1]), state);
        state.current_x = args[0];
        state.current_y = args[1];
        return;
    case Operation::evenly_spaced_lines:
        apply_evenly_spaced_lines(operation, state);
        return;
    }
}

bool GraphSurfaceWidget::continue_polyline(float x, float y, const DrawingState& state) const {
    if (!polyline_open_) return false;
    const double u = device_x(state.scale, x);
    const double v = device_y(state.scale, y);
    if (!within_margin(u, picture_device_size_.width()) || !within_margin(v, picture_device_size_.height())) {
        return false;
    }
    // The segment from the current point, whose pixel ends the polyline, lies
    // wholly inside the margin: no clipping moves either end.
    const QPoint end(pixel_index(u, picture_device_size_.width()), pixel_index(v, picture_device_size_.height()));
    if (polyline_.back() != end) polyline_.push_back(end);
    return true;
}

void GraphSurfaceWidget::apply_segment(QPointF from, QPointF to, const DrawingState& state) const {
    // Whatever is not drawn ends the polyline: the next line_to starts anew.
    if (picture_.isNull() || !is_finite(from) || !is_finite(to)) {
        flush_polyline();
        return;
    }

    // Parametrise from the end nearer the area's origin: the clipped ends
    // are then exact to a tiny fraction of a pixel.
    const bool reversed = magnitude(from) > magnitude(to);
    const QPointF near_end = reversed ? to : from;
    const QPointF far_end = reversed ? from : to;
    if (magnitude(near_end) > kFarLimit) {
        flush_polyline();
        return;
    }

    const double right = picture_device_size_.width() + kClipMargin;
    const double bottom = picture_device_size_.height() + kClipMargin;
    const auto range = clip_parameters(near_end, far_end, -kClipMargin, -kClipMargin, right, bottom);
    if (!range) {
        flush_polyline();
        return;
    }
    const auto [t_enter, t_exit] = *range;
    const QPointF direction = far_end - near_end;
    const auto point_at = [&](double t) {
        return t == 0.0 ? near_end : t == 1.0 ? far_end : near_end + t * direction;
    };
    DeviceSegment segment{point_at(t_enter), point_at(t_exit), t_enter > 0.0, t_exit < 1.0};
    if (reversed) {
        std::swap(segment.from, segment.to);
        std::swap(segment.from_moved, segment.to_moved);
    }

    const QPoint start = to_pixel(segment.from);
    const QPoint end = to_pixel(segment.to);
    if (!polyline_open_ || segment.from_moved || polyline_.empty() || polyline_.back() != start) {
        flush_polyline();
        configure_pen(polyline_pen_, state.pen_colour, state.pen_style);
        polyline_.push_back(start);
    }
    // Neighbouring samples often share a pixel. A repeated point would make
    // a zero-length segment, and Qt leaves out the end pixel of a polyline
    // that ends in one, so repeats are not added.
    if (polyline_.back() != end) polyline_.push_back(end);
    polyline_open_ = !segment.to_moved;
}

void GraphSurfaceWidget::apply_point(QPointF at, const DrawingState& state) const {
    if (picture_.isNull() || !is_finite(at)) return;
    const double width = picture_device_size_.width();
    const double height = picture_device_size_.height();
    if (!(at.x() >= 0.0 && at.x() <= width && at.y() >= 0.0 && at.y() <= height)) return;
    const QPoint pixel = to_pixel(at);
    picture_.setPixel(pixel, rgb_of(state.pen_colour));
}

void GraphSurfaceWidget::apply_vertical_line(float x, float ya, float yb, DrawingState& state) const {
    state.current_x = x;
    state.current_y = yb;
    if (extend_column_run(x, ya, yb, state)) return;
    ColumnRun& run = column_run_;
    const int width = picture_device_size_.width();
    const int height = picture_device_size_.height();
    const double u = device_x(state.scale, x);
    const double va = device_y(state.scale, ya);
    const double vb = device_y(state.scale, yb);
    if (picture_.isNull() || !within_margin(u, width) || !within_margin(va, height) ||
        !within_margin(vb, height)) {
        // Clipping may move an end, or nothing is drawn: the general path.
        flush_pending();
        apply_segment({u, va}, {u, vb}, state);
        return;
    }
    // No clipping moves either end, so the line's pixels are fixed by its
    // column, its two rows and the pen.
    const int start_row = pixel_index(va, height);
    const int end_row = pixel_index(vb, height);
    if (!run.active || run.start_row != start_row || run.end_row != end_row) {
        flush_pending();
        run.active = true;
        run.start_row = start_row;
        run.end_row = end_row;
        run.colour = state.pen_colour;
        run.style = state.pen_style;
        run.marked.resize((static_cast<std::size_t>(width) + 63) / 64);
        run.has_last = false;
    }
    run.ya = ya;
    run.yb = yb;
    run.x_left = state.scale.x_left;
    run.x_extent = static_cast<double>(state.scale.x_right) - run.x_left;
    if (run.has_last) mark_column(run.last_column);
    run.last_column = pixel_index(u, width);
    run.has_last = true;
}

void GraphSurfaceWidget::apply_evenly_spaced_lines(const RecordedOperation& operation, DrawingState& state) const {
    const float ya = operation.args[0];
    const float yb = operation.args[1];
    const std::int64_t count = operation.line_count;
    const auto x_at = [&](std::int64_t k) { return static_cast<float>(operation.spacing * static_cast<double>(k)); };
    // The first line starts (or continues) a column run, or goes the general way.
    apply_vertical_line(x_at(1), ya, yb, state);
    if (count == 1) return;

    ColumnRun& run = column_run_;
    const int width = picture_device_size_.width();
    // The column of x as extend_column_run finds it, operation for operation.
    const auto device_column_x = [&](float x) { return (static_cast<double>(x) - run.x_left) / run.x_extent * width; };
    bool dense = false;
    double u_first = 0.0;
    double u_last = 0.0;
    if (run.active && same_bits(run.ya, ya) && same_bits(run.yb, yb) && width > 0 && operation.spacing > 0.0) {
        const float x_last = x_at(count);
        u_first = device_column_x(x_at(1));
        u_last = device_column_x(x_last);
        // Consecutive lines lie one mean gap apart, give or take the rounding
        // of each x_k to single precision (at most 2^-23 of x_k).
        const double mean_gap = (u_last - u_first) / static_cast<double>(count - 1);
        const double rounding = std::abs(static_cast<double>(x_last)) * 0x1p-23 / std::abs(run.x_extent) * width;
        dense = within_margin(u_first, width) && within_margin(u_last, width) && mean_gap >= 0.0 &&
                mean_gap + 3.0 * rounding < 1.0;
    }
    if (!dense) {
        for (std::int64_t k = 2; k <= count; ++k) apply_vertical_line(x_at(k), ya, yb, state);
        return;
    }
    // Less than a column apart, the lines hit every column from the first
    // line's to the last line's. The last line stays the run's last, as when
    // the lines come one by one.
    const int before_last = pixel_index(device_column_x(x_at(count - 1)), width);
    mark_columns(pixel_index(u_first, width), before_last);
    run.last_column = before_last;
    run.has_last = true;
    [[maybe_unused]] const bool extended = extend_column_run(x_at(count), ya, yb, state);
    assert(extended);
}

void GraphSurfaceWidget::mark_columns(int first, int last) const {
    const int from = std::max(first, 0);
    const int to = std::min(last, picture_device_size_.width() - 1);
    for (int column = from; column <= to; ++column) mark_column(column);
}

// ---- pending drawing -------------------------------------------------------------

void GraphSurfaceWidget::flush_pending() const {
    flush_column_run();
    flush_polyline();
}

void GraphSurfaceWidget::flush_polyline() const {
    if (polyline_.size() == 1) {
        // A line that starts and ends in one pixel: just that pixel.
        const QPoint only = polyline_.front();
        if (picture_.rect().contains(only)) picture_.setPixel(only, polyline_pen_.color().rgb());
    } else if (polyline_.size() >= 2) {
        paint_polyline(polyline_.data(), static_cast<int>(polyline_.size()), polyline_pen_);
    }
    polyline_.clear();
    polyline_open_ = false;
}

void GraphSurfaceWidget::flush_column_run() const {
    ColumnRun& run = column_run_;
    if (!run.active) return;
    if (run.has_last) mark_column(run.last_column);
    run.has_last = false;
    run.active = false;
    if (!run.any_marked) return;
    run.any_marked = false;
    // bits() detaches the picture from any copy that picture() handed out.
    auto* pixels = reinterpret_cast<QRgb*>(picture_.bits());
    const qsizetype pixels_per_line = picture_.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    for (std::size_t word = 0; word < run.marked.size(); ++word) {
        std::uint64_t bits = run.marked[word];
        run.marked[word] = 0;
        while (bits != 0) {
            const int bit = std::countr_zero(bits);
            bits &= bits - 1;
            draw_column(static_cast<int>(word * 64) + bit, pixels, pixels_per_line);
        }
    }
}

void GraphSurfaceWidget::draw_column(int column, QRgb* pixels, qsizetype pixels_per_line) const {
    const ColumnRun& run = column_run_;
    const int height = picture_.height();
    const bool dotted = run.style == waves::PenStyle::dotted;
    const bool start_inside = run.start_row >= 0 && run.start_row < height;
    if (dotted && !start_inside && run.start_row != run.end_row) {
        // Where the dots fall on a line that enters the picture from outside
        // is the stroker's own business: let it draw that line.
        QPen pen;
        pen.setWidth(1);
        pen.setCosmetic(true);
        pen.setCapStyle(Qt::SquareCap);
        configure_pen(pen, run.colour, run.style);
        const std::array<QPoint, 2> ends{QPoint(column, run.start_row), QPoint(column, run.end_row)};
        paint_polyline(ends.data(), 2, pen);
        return;
    }
    // From the start row towards the end row, both included: every row of a
    // solid line, every third of a dotted one, the start row lit.
    const QRgb colour = rgb_of(run.colour) | 0xff000000u;
    const int direction = run.end_row >= run.start_row ? 1 : -1;
    const int stride = dotted ? kDotPeriod : 1;
    const int length = (run.end_row - run.start_row) * direction;  // rows after the start
    int first_step = 0;
    // A solid line may start outside the picture: begin at its first row inside.
    if (run.start_row < 0 && direction > 0) first_step = -run.start_row;
    if (run.start_row >= height && direction < 0) first_step = run.start_row - (height - 1);
    for (int step = first_step; step <= length; step += stride) {
        const int row = run.start_row + direction * step;
        if (row < 0 || row >= height) break;
        pixels[static_cast<qsizetype>(row) * pixels_per_line + column] = colour;
    }
}

void GraphSurfaceWidget::continue_from_column_run() const {
    // The run's last line starts the polyline that the line_to goes on with,
    // as when it was drawn by itself; the other columns are drawn now. If
    // an earlier line shares its column, that column is drawn both ways, as
    // both lines were.
    ColumnRun& run = column_run_;
    const int column = run.last_column;
    const waves::Rgb colour = run.colour;
    const waves::PenStyle style = run.style;
    const QPoint start(column, run.start_row);
    const QPoint end(column, run.end_row);
    run.has_last = false;
    flush_column_run();
    configure_pen(polyline_pen_, colour, style);
    polyline_.push_back(start);
    if (end != start) polyline_.push_back(end);
    polyline_open_ = true;
}

void GraphSurfaceWidget::paint_polyline(const QPoint* points, int count, const QPen& pen) const {
    // Paint through a view of the picture's own pixels without the device
    // pixel ratio, so the painter works in device pixels with no scaling.
    // bits() first detaches the picture from any copy that picture() handed
    // out.
    QImage device_pixels(picture_.bits(), picture_.width(), picture_.height(), picture_.bytesPerLine(),
                         picture_.format());
    QPainter painter(&device_pixels);
    painter.setPen(pen);
    painter.drawPolyline(points, count);
}

// ---- the picture's resolution ----------------------------------------------

QSize GraphSurfaceWidget::wanted_device_size() const {
    const QSize logical = contentsRect().size();
    const qreal ratio = devicePixelRatioF();
    return {std::max(0, qRound(logical.width() * ratio)), std::max(0, qRound(logical.height() * ratio))};
}

void GraphSurfaceWidget::bring_picture_up_to_date() const {
    const QSize device_size = wanted_device_size();
    const qreal ratio = devicePixelRatioF();
    if (device_size != picture_device_size_ || ratio != picture_ratio_) render_picture(device_size, ratio);
}

void GraphSurfaceWidget::render_picture(QSize device_size, qreal ratio) const {
    polyline_.clear();
    polyline_open_ = false;
    column_run_.active = false;
    column_run_.has_last = false;
    std::fill(column_run_.marked.begin(), column_run_.marked.end(), 0);
    column_run_.any_marked = false;
    picture_device_size_ = device_size;
    picture_ratio_ = ratio;
    if (device_size.isEmpty()) {
        picture_ = QImage();
    } else {
        // Reuse the image when its size is right: a clear only refills it.
        if (picture_.size() != device_size) picture_ = QImage(device_size, QImage::Format_RGB32);
        picture_.setDevicePixelRatio(ratio);
        picture_.fill(background_);
    }
    DrawingState replayed = cleared_state_;
    for (const RecordedOperation& operation : record_) apply(operation, replayed);
}

// ---- mapping and pens ----------------------------------------------------------

QPointF GraphSurfaceWidget::to_device(const Scale& scale, float x, float y) const {
    return {device_x(scale, x), device_y(scale, y)};
}

double GraphSurfaceWidget::device_x(const Scale& scale, float x) const {
    const double x_left = scale.x_left;
    const double across = (static_cast<double>(x) - x_left) / (static_cast<double>(scale.x_right) - x_left);
    return across * picture_device_size_.width();
}

double GraphSurfaceWidget::device_y(const Scale& scale, float y) const {
    const double y_top = scale.y_top;
    const double down = (static_cast<double>(y) - y_top) / (static_cast<double>(scale.y_bottom) - y_top);
    return down * picture_device_size_.height();
}

QPoint GraphSurfaceWidget::to_pixel(QPointF device) const {
    // REQUIRES: finite and well inside the int range (callers clip first).
    assert(std::abs(device.x()) < 1e9 && std::abs(device.y()) < 1e9);
    return {pixel_index(device.x(), picture_device_size_.width()),
            pixel_index(device.y(), picture_device_size_.height())};
}

void GraphSurfaceWidget::configure_pen(QPen& pen, waves::Rgb colour, waves::PenStyle style) {
    const QColor wanted(colour.red, colour.green, colour.blue);
    if (pen.color() != wanted) pen.setColor(wanted);
    const Qt::PenStyle wanted_style = style == waves::PenStyle::dotted ? Qt::DotLine : Qt::SolidLine;
    if (pen.style() != wanted_style) pen.setStyle(wanted_style);
}
