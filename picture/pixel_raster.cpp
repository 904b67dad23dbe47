#include "picture/pixel_raster.h"

#include <algorithm>
#include <cstdlib>

namespace waves::picture {
namespace {

// One pixel in three is lit along a dotted line; along a dashed one, the
// first kDashLength of every kDashPeriod.
constexpr int kDotPeriod = 3;
constexpr int kDashPeriod = 8;
constexpr int kDashLength = 5;

// Whether the pen lights the pixel `step` pixels along from a line's start.
bool lit(PenStyle style, long long step) {
    switch (style) {
        case PenStyle::solid: return true;
        case PenStyle::dotted: return step % kDotPeriod == 0;
        case PenStyle::dashed: return step % kDashPeriod < kDashLength;
    }
    return true;
}

}  // namespace

void PixelRaster::reset(int width, int height, Rgb background) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    const std::uint32_t value = packed(background);
    if (blank_ && width == width_ && height == height_ && value == background_) return;
    width_ = width;
    height_ = height;
    background_ = value;
    blank_ = true;
    pixels_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), value);
}

void PixelRaster::set_pixel(Pixel at, Rgb colour) {
    blank_ = false;
    if (at.column < 0 || at.column >= width_ || at.row < 0 || at.row >= height_) return;
    pixels_[static_cast<std::size_t>(at.row) * static_cast<std::size_t>(width_) +
            static_cast<std::size_t>(at.column)] = packed(colour);
}

void PixelRaster::draw_line(Pixel from, Pixel to, Rgb colour, PenStyle style) {
    blank_ = false;
    const std::uint32_t value = packed(colour);
    const int dx = std::abs(to.column - from.column);
    const int dy = -std::abs(to.row - from.row);
    const int step_x = from.column < to.column ? 1 : -1;
    const int step_y = from.row < to.row ? 1 : -1;
    int error = dx + dy;
    Pixel at = from;
    for (int n = 0;; ++n) {
        if (lit(style, n) && at.column >= 0 && at.column < width_ && at.row >= 0 && at.row < height_) {
            pixels_[static_cast<std::size_t>(at.row) * static_cast<std::size_t>(width_) +
                    static_cast<std::size_t>(at.column)] = value;
        }
        if (at == to) return;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            at.column += step_x;
        }
        if (twice <= dx) {
            error += dx;
            at.row += step_y;
        }
    }
}

void PixelRaster::draw_column(int column, int from_row, int to_row, Rgb colour, PenStyle style) {
    blank_ = false;
    if (column < 0 || column >= width_ || height_ == 0) return;
    const std::uint32_t value = packed(colour);
    const int direction = to_row >= from_row ? 1 : -1;
    const int stride = style == PenStyle::dotted ? kDotPeriod : 1;
    // Steps from from_row towards to_row; the first one inside the picture
    // keeps the dots' phase of a line that starts outside it.
    const long long length = (static_cast<long long>(to_row) - from_row) * direction;
    const long long outside = direction > 0 ? -static_cast<long long>(from_row)
                                            : static_cast<long long>(from_row) - (height_ - 1);
    long long step = outside > 0 ? (outside + stride - 1) / stride * stride : 0;
    for (; step <= length; step += stride) {
        const long long row = from_row + direction * step;
        if (row < 0 || row >= height_) return;
        if (!lit(style, step)) continue;
        pixels_[static_cast<std::size_t>(row) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(column)] =
            value;
    }
}

}  // namespace waves::picture
