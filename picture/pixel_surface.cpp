#include "picture/pixel_surface.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace waves::picture {
namespace {

// How far outside the picture a device coordinate keeps its own pixel (the
// raster's lines take ends up to 2^29 out). Beyond it a segment's end is
// clipped to it, and a vertical line's row is clamped to it, the same way.
constexpr double kClipMargin = 1 << 28;

int clamped_pixel(double coordinate, int extent) {
    return pixel_index(std::clamp(coordinate, -kClipMargin, extent + kClipMargin), extent);
}

}  // namespace

PixelSurface::PixelSurface(Rgb background, double layout_height)
    : background_(background), layout_height_(layout_height) {}

void PixelSurface::set_device_size(int width, int height) {
    if (width == raster_.width() && height == raster_.height() && !(width == 0 && height == 0)) return;
    raster_.reset(width, height, background_);
    render_record();
}

PixelRaster PixelSurface::rendered_at(int width, int height) const {
    PixelSurface copy(background_, layout_height_);
    copy.record_ = record_;
    copy.state_ = state_;
    copy.set_device_size(width, height);
    return std::move(copy.raster_);
}

bool PixelSurface::take_changed() {
    const bool changed = changed_;
    changed_ = false;
    return changed;
}

void PixelSurface::clear() {
    record_.clear(state_);
    raster_.reset(raster_.width(), raster_.height(), background_);
    changed_ = true;
}

void PixelSurface::set_scale(float x_left, float y_top, float x_right, float y_bottom) {
    record_and_draw({.operation = Operation::set_scale, .args = {x_left, y_top, x_right, y_bottom}});
}

void PixelSurface::set_pen_colour(Rgb colour) {
    record_and_draw({.operation = Operation::set_pen_colour, .colour = colour});
}

void PixelSurface::set_pen_style(PenStyle style) {
    record_and_draw({.operation = Operation::set_pen_style, .style = style});
}

void PixelSurface::line(float xa, float ya, float xb, float yb) {
    record_and_draw({.operation = Operation::line, .args = {xa, ya, xb, yb}});
}

void PixelSurface::line_to(float x, float y) {
    record_and_draw({.operation = Operation::line_to, .args = {x, y, 0.0f, 0.0f}});
}

void PixelSurface::point(float x, float y) {
    record_and_draw({.operation = Operation::point, .args = {x, y, 0.0f, 0.0f}});
}

void PixelSurface::vertical_lines(double spacing, std::int64_t count, float y_from, float y_to) {
    if (count <= 0) return;
    record_and_draw({.operation = Operation::evenly_spaced_lines,
                     .args = {y_from, y_to, 0.0f, 0.0f},
                     .line_count = count,
                     .spacing = spacing});
}

void PixelSurface::record_and_draw(const RecordedOperation& operation) {
    record_.add(operation);
    draw(operation, state_);
    advance_state(state_, operation);
}

void PixelSurface::render_record() {
    mapped_end_ = {};
    record_.replay([this](const RecordedOperation& operation, const DrawingState& state) { draw(operation, state); });
    changed_ = true;
}

void PixelSurface::draw(const RecordedOperation& operation, const DrawingState& state) {
    const auto& args = operation.args;
    const int width = raster_.width();
    const int height = raster_.height();
    const auto to_device = [&](float x, float y) {
        return DevicePoint{device_x(state.scale, x, width), device_y(state.scale, y, height)};
    };
    switch (operation.operation) {
        case Operation::line:
            draw_segment(to_device(args[0], args[1]), to_device(args[2], args[3]), state);
            return;
        case Operation::line_to: {
            // A polyline's segments share their ends: the start was mapped
            // as the end of the segment before.
            const DevicePoint from = mapped_end_.is(state.current_x, state.current_y)
                                         ? mapped_end_.at
                                         : to_device(state.current_x, state.current_y);
            const DevicePoint to = to_device(args[0], args[1]);
            mapped_end_ = MappedEnd::of(args[0], args[1], to);
            draw_segment(from, to, state);
            return;
        }
        case Operation::point: {
            const DevicePoint at = to_device(args[0], args[1]);
            if (!(at.x >= 0.0 && at.x <= width && at.y >= 0.0 && at.y <= height)) return;
            raster_.set_pixel({pixel_index(at.x, width), pixel_index(at.y, height)}, state.pen_colour);
            changed_ = true;
            return;
        }
        case Operation::evenly_spaced_lines: draw_vertical_lines(operation, state); return;
        case Operation::set_scale: mapped_end_ = {}; return;
        case Operation::set_pen_colour:
        case Operation::set_pen_style: return;
    }
}

void PixelSurface::draw_segment(DevicePoint from, DevicePoint to, const DrawingState& state) {
    const int width = raster_.width();
    const int height = raster_.height();
    if (width == 0 || height == 0) return;
    const auto pixel_of = [&](DevicePoint at) { return Pixel{pixel_index(at.x, width), pixel_index(at.y, height)}; };
    const auto within = [](double at, int extent) { return at >= -kClipMargin && at <= extent + kClipMargin; };
    // A segment is drawn between the pixels of its own two ends, whatever
    // of it lies outside the picture; only an end beyond the margin, whose
    // pixel is out of the int range, is moved in to it by clipping.
    if (!within(from.x, width) || !within(from.y, height) || !within(to.x, width) || !within(to.y, height)) {
        const auto segment =
            clip_segment(from, to, -kClipMargin, -kClipMargin, width + kClipMargin, height + kClipMargin);
        if (!segment) return;
        from = segment->from;
        to = segment->to;
    }
    raster_.draw_line(pixel_of(from), pixel_of(to), state.pen_colour, state.pen_style);
    changed_ = true;
}

void PixelSurface::draw_vertical_lines(const RecordedOperation& operation, const DrawingState& state) {
    const int width = raster_.width();
    const int height = raster_.height();
    if (width == 0 || height == 0) return;
    const double va = device_y(state.scale, operation.args[0], height);
    const double vb = device_y(state.scale, operation.args[1], height);
    if (!std::isfinite(va) || !std::isfinite(vb)) return;
    const int from_row = clamped_pixel(va, height);
    const int to_row = clamped_pixel(vb, height);
    const std::int64_t count = operation.line_count;
    const auto u_at = [&](std::int64_t k) {
        return device_x(state.scale, static_cast<float>(operation.spacing * static_cast<double>(k)), width);
    };
    const auto draw_at = [&](double u) {
        if (!(u >= 0.0 && u <= width)) return;
        raster_.draw_column(pixel_index(u, width), from_row, to_row, state.pen_colour, state.pen_style);
        changed_ = true;
    };

    const double u_first = u_at(1);
    const double u_last = u_at(count);
    if (count > 1 && std::isfinite(u_first) && std::isfinite(u_last) && u_last > u_first) {
        // Consecutive lines lie one mean gap apart, give or take the rounding
        // of each x_k to single precision (at most 2^-23 of x_k).
        const double x_last = std::abs(operation.spacing * static_cast<double>(count));
        const double extent = std::abs(static_cast<double>(state.scale.x_right) - static_cast<double>(state.scale.x_left));
        const double rounding = x_last * 0x1p-23 / extent * width;
        const double mean_gap = (u_last - u_first) / static_cast<double>(count - 1);
        if (mean_gap + 3.0 * rounding < 1.0) {
            // Every column from the first line's to the last line's is lit.
            const int first = pixel_index(std::clamp(u_first, 0.0, static_cast<double>(width)), width);
            const int last = pixel_index(std::clamp(u_last, 0.0, static_cast<double>(width)), width);
            if (u_last < 0.0 || u_first > width) return;
            for (int column = first; column <= last; ++column) {
                raster_.draw_column(column, from_row, to_row, state.pen_colour, state.pen_style);
            }
            changed_ = true;
            return;
        }
        // At least a column apart: the lines beyond the right edge draw nothing.
        for (std::int64_t k = 1; k <= count; ++k) {
            const double u = u_at(k);
            if (u > width) return;
            draw_at(u);
        }
        return;
    }
    for (std::int64_t k = 1; k <= count; ++k) draw_at(u_at(k));
}

}  // namespace waves::picture
