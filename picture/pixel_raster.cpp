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
    if (width_ == 0 || height_ == 0) return;
    const std::uint32_t value = packed(colour);
    // Along the longer axis one pixel a step; across it, the pixel that the
    // line through the two end pixels' centres crosses at the step's
    // centre. At step n that line lies at c0 + 1/2 + n x d_across / length,
    // so the pixel is c0 + floor((2 n d_across + length) / (2 length)),
    // kept exactly as a quotient and a remainder in [0, 2 length). The
    // same two ends in either order light the same pixels.
    const bool x_major = std::abs(static_cast<long long>(to.column) - from.column) >=
                         std::abs(static_cast<long long>(to.row) - from.row);
    const long long along_from = x_major ? from.column : from.row;
    const long long across_from = x_major ? from.row : from.column;
    const long long major = (x_major ? to.column : to.row) - along_from;
    const long long minor = (x_major ? to.row : to.column) - across_from;
    const long long length = major < 0 ? -major : major;
    const long long along_step = major < 0 ? -1 : 1;
    const long long along_extent = x_major ? width_ : height_;
    const long long across_extent = x_major ? height_ : width_;

    // The steps whose pixel lies inside the picture along the longer axis.
    long long first = along_step > 0 ? -along_from : along_from - (along_extent - 1);
    long long last = along_step > 0 ? along_extent - 1 - along_from : along_from;
    first = std::max(first, 0LL);
    last = std::min(last, length);
    if (first > last) return;

    const long long denominator = 2 * length;
    const long long increment = 2 * minor;
    long long across = across_from;
    long long remainder = length;  // step 0: length - 0 x (2 length)
    if (first > 0) {
        // Ends lie within 2^29 pixels of the picture, so this stays well
        // inside 64 bits.
        const long long numerator = increment * first + length;
        long long quotient = numerator / denominator;
        remainder = numerator % denominator;
        if (remainder < 0) {
            remainder += denominator;
            --quotient;
        }
        across += quotient;
    }
    long long along = along_from + along_step * first;
    for (long long n = first;; ++n) {
        if (lit(style, n) && across >= 0 && across < across_extent) {
            const long long column = x_major ? along : across;
            const long long row = x_major ? across : along;
            pixels_[static_cast<std::size_t>(row) * static_cast<std::size_t>(width_) +
                    static_cast<std::size_t>(column)] = value;
        }
        if (n == last) return;
        along += along_step;
        remainder += increment;
        if (remainder >= denominator) {
            remainder -= denominator;
            ++across;
        } else if (remainder < 0) {
            remainder += denominator;
            --across;
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
