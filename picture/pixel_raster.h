// A picture of W x H device pixels, and the aliased one-pixel drawing that
// graph surfaces need: lines with both end pixels, single pixels, and
// vertical lines already reduced to their pixel column.
//
// Pixels are 32-bit RGBA in memory order R, G, B, A (the layout of a
// canvas's ImageData), fully opaque. Lines are one device pixel wide and
// never anti-aliased, so every lit pixel has exactly the pen's colour. A
// dotted pen lights the start pixel and every third pixel after it along
// the line's longer axis; a dashed pen the first five of every eight, from
// the start pixel on. Whatever lies outside the picture is not drawn.
#pragma once

#include <cstdint>
#include <vector>

#include "core/graphs/graph_surface.h"
#include "picture/device_mapping.h"

namespace waves::picture {

class PixelRaster {
public:
    // A picture of the given size filled with the background. A size of zero
    // in either direction is an empty picture on which nothing is drawn.
    // Resetting a picture to what it already is (the same size and
    // background, nothing drawn since) costs nothing.
    void reset(int width, int height, Rgb background);

    int width() const { return width_; }
    int height() const { return height_; }
    const std::uint32_t* pixels() const { return pixels_.data(); }
    // REQUIRES: 0 <= column < width(), 0 <= row < height().
    std::uint32_t pixel(int column, int row) const {
        return pixels_[static_cast<std::size_t>(row) * static_cast<std::size_t>(width_) +
                       static_cast<std::size_t>(column)];
    }

    void set_pixel(Pixel at, Rgb colour);
    // From `from` to `to`, both included: one pixel a step along the longer
    // axis, and across it the pixel that holds the line through the two end
    // pixels' centres at the step's centre, a line exactly on a boundary
    // between two pixels taking the one after it (pixel i covers
    // [i, i + 1)). With a solid pen the same ends in either order light the
    // same pixels; a pen's pattern counts from `from`. Only the steps inside
    // the picture are walked. REQUIRES: both ends within 2^29 pixels of the picture.
    void draw_line(Pixel from, Pixel to, Rgb colour, PenStyle style);
    // The vertical line from (column, from_row) to (column, to_row).
    void draw_column(int column, int from_row, int to_row, Rgb colour, PenStyle style);

    static std::uint32_t packed(Rgb colour) {
        return 0xff000000u | static_cast<std::uint32_t>(colour.blue) << 16 |
               static_cast<std::uint32_t>(colour.green) << 8 | colour.red;
    }

private:
    int width_ = 0;
    int height_ = 0;
    std::uint32_t background_ = 0;
    bool blank_ = false;  // nothing drawn since the last fill
    std::vector<std::uint32_t> pixels_;
};

}  // namespace waves::picture
