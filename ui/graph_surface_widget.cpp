#include "ui/graph_surface_widget.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

#include <algorithm>
#include <array>
#include <cassert>
#include <cmath>
#include <optional>
#include <utility>

namespace {

// Storage reserved up front: one plotted curve is a point and about 400
// line_to calls, plus a handful of grid and pen operations.
constexpr std::size_t kExpectedOperations = 512;

bool is_finite(QPointF p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

double magnitude(QPointF p) { return std::max(std::abs(p.x()), std::abs(p.y())); }

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

}  // namespace

GraphSurfaceWidget::GraphSurfaceWidget(const QColor& background, QWidget* parent)
    : QFrame(parent), background_(background) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    record_.reserve(kExpectedOperations);
    polyline_.reserve(kExpectedOperations);
}

// ---- the interface -------------------------------------------------------

void GraphSurfaceWidget::clear() {
    // Pending lines would be erased at once: drop them undrawn.
    polyline_.clear();
    polyline_open_ = false;
    record_.clear();
    cleared_state_ = state_;
    render_picture(wanted_device_size(), devicePixelRatioF());
    update();
}

void GraphSurfaceWidget::set_scale(float x_left, float y_top, float x_right, float y_bottom) {
    perform({Operation::set_scale, {}, {}, {x_left, y_top, x_right, y_bottom}});
}

void GraphSurfaceWidget::set_pen_colour(waves::Rgb colour) {
    perform({Operation::set_pen_colour, colour, {}, {}});
}

void GraphSurfaceWidget::set_pen_style(waves::PenStyle style) {
    perform({Operation::set_pen_style, {}, style, {}});
}

void GraphSurfaceWidget::line(float xa, float ya, float xb, float yb) {
    perform({Operation::line, {}, {}, {xa, ya, xb, yb}});
}

void GraphSurfaceWidget::line_to(float x, float y) {
    perform({Operation::line_to, {}, {}, {x, y, 0.0f, 0.0f}});
}

void GraphSurfaceWidget::point(float x, float y) {
    perform({Operation::point, {}, {}, {x, y, 0.0f, 0.0f}});
}

double GraphSurfaceWidget::surface_height() const { return static_cast<double>(height()); }

QImage GraphSurfaceWidget::picture() const {
    bring_picture_up_to_date();
    flush_polyline();
    return picture_;
}

// ---- Qt events -----------------------------------------------------------

void GraphSurfaceWidget::paintEvent(QPaintEvent* event) {
    // The border first: some styles draw it a device pixel or two into the
    // contents area at a ratio of 2 (Fusion does), and the picture must
    // show whole.
    QFrame::paintEvent(event);
    bring_picture_up_to_date();
    flush_polyline();
    QPainter painter(this);
    // The picture carries the device pixel ratio, so it lands one image
    // pixel on one device pixel.
    painter.drawImage(contentsRect().topLeft(), picture_);
}

void GraphSurfaceWidget::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    // The picture follows a new size at once; a new device pixel ratio is
    // caught by the next paint or operation.
    bring_picture_up_to_date();
}

// ---- recording and drawing -------------------------------------------------

void GraphSurfaceWidget::perform(const RecordedOperation& operation) {
    bring_picture_up_to_date();
    record_.push_back(operation);
    const Operation kind = operation.operation;
    const bool draws = kind == Operation::line || kind == Operation::line_to || kind == Operation::point;
    // A continued polyline already has a paint scheduled from its start.
    const bool continues_polyline = kind == Operation::line_to && polyline_open_;
    apply(operation, state_);
    if (draws && !continues_polyline) update();
}

void GraphSurfaceWidget::apply(const RecordedOperation& operation, DrawingState& state) const {
    const auto& args = operation.args;
    switch (operation.operation) {
    case Operation::set_scale:
        flush_polyline();
        state.scale = {args[0], args[1], args[2], args[3]};
        return;
    case Operation::set_pen_colour:
        flush_polyline();
        state.pen_colour = operation.colour;
        return;
    case Operation::set_pen_style:
        flush_polyline();
        state.pen_style = operation.style;
        return;
    case Operation::line:
        // A line starts a new polyline that later line_to calls continue.
        flush_polyline();
        apply_segment(to_device(state.scale, args[0], args[1]), to_device(state.scale, args[2], args[3]),
                      state);
        state.current_x = args[2];
        state.current_y = args[3];
        return;
    case Operation::line_to:
        apply_segment(to_device(state.scale, state.current_x, state.current_y),
                      to_device(state.scale, args[0], args[1]), state);
        state.current_x = args[0];
        state.current_y = args[1];
        return;
    case Operation::point:
        flush_polyline();
        apply_point(to_device(state.scale, args[0], args[1]), state);
        state.current_x = args[0];
        state.current_y = args[1];
        return;
    }
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
        polyline_pen_ = pen_for(state);
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
    const auto& c = state.pen_colour;
    picture_.setPixel(pixel, qRgb(c.red, c.green, c.blue));
}

void GraphSurfaceWidget::flush_polyline() const {
    if (polyline_.size() == 1) {
        // A line that starts and ends in one pixel: just that pixel.
        const QPoint only = polyline_.front();
        if (picture_.rect().contains(only)) picture_.setPixel(only, polyline_pen_.color().rgb());
    } else if (polyline_.size() >= 2) {
        // Paint through a view of the picture's own pixels without the
        // device pixel ratio, so the painter works in device pixels with no
        // scaling. bits() first detaches the picture from any copy that
        // picture() handed out.
        QImage device_pixels(picture_.bits(), picture_.width(), picture_.height(), picture_.bytesPerLine(),
                             picture_.format());
        QPainter painter(&device_pixels);
        painter.setPen(polyline_pen_);
        painter.drawPolyline(polyline_.data(), static_cast<int>(polyline_.size()));
    }
    polyline_.clear();
    polyline_open_ = false;
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
    const double x_left = scale.x_left;
    const double y_top = scale.y_top;
    const double across = (static_cast<double>(x) - x_left) / (static_cast<double>(scale.x_right) - x_left);
    const double down = (static_cast<double>(y) - y_top) / (static_cast<double>(scale.y_bottom) - y_top);
    return {across * picture_device_size_.width(), down * picture_device_size_.height()};
}

QPoint GraphSurfaceWidget::to_pixel(QPointF device) const {
    // REQUIRES: finite and well inside the int range (callers clip first).
    assert(std::abs(device.x()) < 1e9 && std::abs(device.y()) < 1e9);
    const auto pixel_index = [](double coordinate, int extent) {
        // The far edge itself belongs to the last pixel.
        if (coordinate == extent) return extent - 1;
        return static_cast<int>(std::floor(coordinate));
    };
    return {pixel_index(device.x(), picture_device_size_.width()),
            pixel_index(device.y(), picture_device_size_.height())};
}

QPen GraphSurfaceWidget::pen_for(const DrawingState& state) {
    const auto& c = state.pen_colour;
    QPen pen(QColor(c.red, c.green, c.blue));
    pen.setWidth(1);
    pen.setCosmetic(true);
    // Square caps make a line include both of its end pixels.
    pen.setCapStyle(Qt::SquareCap);
    pen.setStyle(state.pen_style == waves::PenStyle::dotted ? Qt::DotLine : Qt::SolidLine);
    return pen;
}
