#include "ui/surface_raster.h"

#include <bit>
#include <cassert>
#include <cmath>
#include <cstdint>
#include <optional>

#include "ui/picture_painting.h"

namespace waves {

using picture::DevicePoint;
using picture::DrawingState;
using picture::Operation;
using picture::RecordedOperation;
using picture::pixel_index;

namespace {

// Storage reserved up front: one plotted curve is a point and about 400
// line_to calls.
constexpr std::size_t kExpectedPoints = 512;

// The same float, bit for bit (so -0 is not 0, and a NaN may equal itself).
bool same_bits(float a, float b) { return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b); }

}  // namespace

SurfaceRaster::SurfaceRaster() : polyline_pen_(one_pixel_pen()) { polyline_.reserve(kExpectedPoints); }

void SurfaceRaster::reset(QSize device_size, qreal ratio, const QColor& background) {
    polyline_.clear();
    polyline_open_ = false;
    run_.end();
    device_size_ = device_size;
    ratio_ = ratio;
    if (device_size.isEmpty()) {
        image_ = QImage();
        return;
    }
    // The image is reused when its size is right: a clear only refills it.
    if (image_.size() != device_size) image_ = QImage(device_size, QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio);
    image_.fill(background);
}

void SurfaceRaster::draw(const RecordedOperation& operation, const DrawingState& state) {
    const auto& args = operation.args;
    switch (operation.operation) {
    case Operation::set_scale:
    case Operation::set_pen_colour:
    case Operation::set_pen_style:
        // What is pending was drawn with the old scale or pen.
        flush();
        return;
    case Operation::line:
        if (same_bits(args[0], args[2])) {
            // A vertical line, as a grid's: drawn as part of a column run.
            draw_vertical_line(args[0], args[1], args[3], state);
            return;
        }
        // A line starts a new polyline that later line_to calls continue.
        flush();
        draw_segment(to_device(state.scale, args[0], args[1]), to_device(state.scale, args[2], args[3]), state);
        return;
    case Operation::line_to:
        if (run_.active()) continue_from_column_run();
        if (!continue_polyline(args[0], args[1], state)) {
            draw_segment(to_device(state.scale, state.current_x, state.current_y),
                         to_device(state.scale, args[0], args[1]), state);
        }
        return;
    case Operation::point:
        flush();
        draw_point(to_device(state.scale, args[0], args[1]), state);
        return;
    case Operation::evenly_spaced_lines:
        draw_evenly_spaced_lines(operation, state);
        return;
    }
}

bool SurfaceRaster::continue_polyline(float x, float y, const DrawingState& state) {
    if (!polyline_open_) return false;
    const DevicePoint end = to_device(state.scale, x, y);
    if (!within_margin(end.x, device_size_.width()) || !within_margin(end.y, device_size_.height())) return false;
    // The segment from the current point, whose pixel ends the polyline, lies
    // wholly inside the margin: no clipping moves either end.
    const QPoint pixel = to_pixel(end);
    if (polyline_.back() != pixel) polyline_.push_back(pixel);
    return true;
}

void SurfaceRaster::draw_segment(DevicePoint from, DevicePoint to, const DrawingState& state) {
    // Whatever is not drawn ends the polyline: the next line_to starts anew.
    const auto segment =
        image_.isNull() ? std::nullopt
                        : picture::clip_segment(from, to, -kClipMargin, -kClipMargin,
                                                device_size_.width() + kClipMargin,
                                                device_size_.height() + kClipMargin);
    if (!segment) {
        flush_polyline();
        return;
    }
    const QPoint start = to_pixel(segment->from);
    const QPoint end = to_pixel(segment->to);
    if (!polyline_open_ || segment->from_moved || polyline_.empty() || polyline_.back() != start) {
        flush_polyline();
        configure_pen(polyline_pen_, state.pen_colour, state.pen_style);
        polyline_.push_back(start);
    }
    // Neighbouring samples often share a pixel. A repeated point would make
    // a zero-length segment, and Qt leaves out the end pixel of a polyline
    // that ends in one, so repeats are not added.
    if (polyline_.back() != end) polyline_.push_back(end);
    polyline_open_ = !segment->to_moved;
}

void SurfaceRaster::draw_point(DevicePoint at, const DrawingState& state) {
    if (image_.isNull() || !std::isfinite(at.x) || !std::isfinite(at.y)) return;
    const double width = device_size_.width();
    const double height = device_size_.height();
    if (!(at.x >= 0.0 && at.x <= width && at.y >= 0.0 && at.y <= height)) return;
    image_.setPixel(to_pixel(at), rgb_of(state.pen_colour));
}

void SurfaceRaster::draw_vertical_line(float x, float ya, float yb, const DrawingState& state) {
    if (extend_column_run(x, ya, yb)) return;
    const int width = device_size_.width();
    const int height = device_size_.height();
    const double u = picture::device_x(state.scale, x, width);
    const double va = picture::device_y(state.scale, ya, height);
    const double vb = picture::device_y(state.scale, yb, height);
    if (image_.isNull() || !within_margin(u, width) || !within_margin(va, height) || !within_margin(vb, height)) {
        // Clipping may move an end, or nothing is drawn: the general path.
        flush();
        draw_segment({u, va}, {u, vb}, state);
        return;
    }
    // No clipping moves either end, so the line's pixels are fixed by its
    // column, its two rows and the pen.
    const int start_row = pixel_index(va, height);
    const int end_row = pixel_index(vb, height);
    if (!run_.active() || run_.start_row() != start_row || run_.end_row() != end_row) {
        flush();
        run_.start(width, start_row, end_row, state.pen_colour, state.pen_style);
    }
    run_.remember_ends(ya, yb, state.scale);
    run_.add_line(pixel_index(u, width));
}

void SurfaceRaster::draw_evenly_spaced_lines(const RecordedOperation& operation, const DrawingState& state) {
    const float ya = operation.args[0];
    const float yb = operation.args[1];
    const std::int64_t count = operation.line_count;
    const auto x_at = [&](std::int64_t k) { return static_cast<float>(operation.spacing * static_cast<double>(k)); };
    // The first line starts (or continues) a column run, or goes the general way.
    draw_vertical_line(x_at(1), ya, yb, state);
    if (count == 1) return;

    const int width = device_size_.width();
    bool dense = false;
    double u_first = 0.0;
    double u_last = 0.0;
    if (run_.active() && run_.has_ends(ya, yb) && width > 0 && operation.spacing > 0.0) {
        const float x_last = x_at(count);
        u_first = run_.device_x(x_at(1));
        u_last = run_.device_x(x_last);
        // Consecutive lines lie one mean gap apart, give or take the rounding
        // of each x_k to single precision (at most 2^-23 of x_k).
        const double mean_gap = (u_last - u_first) / static_cast<double>(count - 1);
        const double rounding = std::abs(static_cast<double>(x_last)) * 0x1p-23 / std::abs(run_.x_extent()) * width;
        dense = within_margin(u_first, width) && within_margin(u_last, width) && mean_gap >= 0.0 &&
                mean_gap + 3.0 * rounding < 1.0;
    }
    if (!dense) {
        for (std::int64_t k = 2; k <= count; ++k) draw_vertical_line(x_at(k), ya, yb, state);
        return;
    }
    // Less than a column apart, the lines hit every column from the first
    // line's to the last line's. The last line stays the run's last, as when
    // the lines come one by one.
    run_.add_lines(pixel_index(u_first, width), pixel_index(run_.device_x(x_at(count - 1)), width));
    [[maybe_unused]] const bool extended = extend_column_run(x_at(count), ya, yb);
    assert(extended);
}

void SurfaceRaster::continue_from_column_run() {
    // The run's last line starts the polyline that the line_to goes on with,
    // as when it was drawn by itself; the other columns are drawn now. If
    // an earlier line shares its column, that column is drawn both ways, as
    // both lines were.
    const QPoint start(run_.last_column(), run_.start_row());
    const QPoint end(run_.last_column(), run_.end_row());
    const Rgb colour = run_.colour();
    const PenStyle style = run_.style();
    run_.drop_last_line();
    flush_column_run();
    configure_pen(polyline_pen_, colour, style);
    polyline_.push_back(start);
    if (end != start) polyline_.push_back(end);
    polyline_open_ = true;
}

void SurfaceRaster::flush() {
    flush_column_run();
    flush_polyline();
}

void SurfaceRaster::flush_polyline() {
    if (polyline_.size() == 1) {
        // A line that starts and ends in one pixel: just that pixel.
        const QPoint only = polyline_.front();
        if (image_.rect().contains(only)) image_.setPixel(only, polyline_pen_.color().rgb());
    } else if (polyline_.size() >= 2) {
        paint_polyline(image_, polyline_.data(), static_cast<int>(polyline_.size()), polyline_pen_);
    }
    polyline_.clear();
    polyline_open_ = false;
}

void SurfaceRaster::flush_column_run() {
    if (!run_.active()) return;
    run_.draw(image_);
    run_.end();
}

QPoint SurfaceRaster::to_pixel(DevicePoint device) const {
    assert(std::abs(device.x) < 1e9 && std::abs(device.y) < 1e9);
    return {pixel_index(device.x, device_size_.width()), pixel_index(device.y, device_size_.height())};
}

}  // namespace waves
