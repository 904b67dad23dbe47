// Which pixels a line lights: the pixel that holds the line through its end
// pixels' centres at each step's centre, a line exactly on a boundary
// taking the pixel after it, whichever end it starts from; and a segment
// lights the same pixels inside the picture wherever outside it its ends
// lie.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <set>
#include <utility>

#include "picture/pixel_raster.h"
#include "picture/pixel_surface.h"

namespace waves::picture {
namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kRed{255, 0, 0};

using Lit = std::set<std::pair<int, int>>;

Lit lit_pixels(const PixelRaster& raster) {
    Lit lit;
    for (int row = 0; row < raster.height(); ++row) {
        for (int column = 0; column < raster.width(); ++column) {
            if (raster.pixel(column, row) == PixelRaster::packed(kRed)) lit.insert({column, row});
        }
    }
    return lit;
}

// The rule worked out in floating point from the centres: at each column
// (or row, for a steep line) centre, the floor of where the line is.
Lit by_the_rule(Pixel from, Pixel to, int width, int height) {
    Lit lit;
    const double dx = to.column - from.column;
    const double dy = to.row - from.row;
    const bool x_major = std::abs(dx) >= std::abs(dy);
    const int steps = static_cast<int>(std::max(std::abs(dx), std::abs(dy)));
    for (int n = 0; n <= steps; ++n) {
        const double t = steps == 0 ? 0.0 : static_cast<double>(n) / steps;
        const int column = x_major ? from.column + static_cast<int>(std::lround(t * dx))
                                   : static_cast<int>(std::floor(from.column + 0.5 + t * dx));
        const int row = x_major ? static_cast<int>(std::floor(from.row + 0.5 + t * dy))
                                : from.row + static_cast<int>(std::lround(t * dy));
        if (column >= 0 && column < width && row >= 0 && row < height) lit.insert({column, row});
    }
    return lit;
}

TEST(PixelRaster, ALineLightsThePixelItsCentreLineCrossesInEitherDirection) {
    const struct {
        const char* what;
        Pixel from, to;
    } cases[] = {
        {"a steep line on a column boundary halfway (the tie)", {4, 1}, {5, 3}},
        {"a flat line on a row boundary halfway (the tie)", {1, 4}, {3, 5}},
        {"rising, with ties every other column", {0, 8}, {8, 4}},
        {"falling, with ties every other row", {2, 0}, {6, 8}},
        {"a diagonal", {0, 0}, {9, 9}},
        {"no tie", {0, 0}, {9, 2}},
        {"one pixel", {3, 3}, {3, 3}},
        {"from outside in, across the left edge", {-5, 1}, {4, 4}},
        {"from far above through the picture", {2, -40}, {7, 30}},
    };
    for (const auto& c : cases) {
        for (const bool reversed : {false, true}) {
            PixelRaster raster;
            raster.reset(10, 10, kWhite);
            const Pixel from = reversed ? c.to : c.from;
            const Pixel to = reversed ? c.from : c.to;
            raster.draw_line(from, to, kRed, PenStyle::solid);
            EXPECT_EQ(lit_pixels(raster), by_the_rule(c.from, c.to, 10, 10))
                << c.what << (reversed ? ", drawn backwards" : "");
        }
    }
    // The tie itself: the steep line's middle row takes the column after
    // the boundary, both ways.
    PixelRaster raster;
    raster.reset(10, 10, kWhite);
    raster.draw_line({5, 3}, {4, 1}, kRed, PenStyle::solid);
    EXPECT_EQ(lit_pixels(raster), (Lit{{4, 1}, {5, 2}, {5, 3}}));
}

// A segment from inside the picture to far outside it lights, inside, the
// pixels of the same segment cut off just outside the edge: where a curve
// leaves the frame does not bend it.
TEST(PixelSurface, ASegmentLightsTheSamePixelsWhereverItIsCutOff) {
    const struct {
        const char* what;
        float xa, ya, xb, yb;  // the frame is one unit per pixel, 0..239 x 0..63 downwards
    } cases[] = {
        {"up through the top edge, steeply", 100.3f, 5.6f, 130.9f, -2000.2f},
        {"down through the bottom edge, steeply", 10.5f, 60.2f, 12.1f, 700.7f},
        {"out through the right edge, flatly", 200.2f, 30.5f, 9000.0f, 300.1f},
        {"from far left to far right", -100000.0f, 10.0f, 100000.0f, 50.0f},
        {"beyond the margin, through the middle", -3.0e9f, 31.5f, 3.0e9f, 32.5f},
    };
    for (const auto& c : cases) {
        PixelSurface long_segment(kWhite, 65.0);
        long_segment.set_device_size(239, 63);
        long_segment.set_scale(0.0f, 0.0f, 239.0f, 63.0f);
        long_segment.set_pen_colour(kRed);
        long_segment.line(c.xa, c.ya, c.xb, c.yb);
        const Lit lit = lit_pixels(long_segment.raster());
        EXPECT_FALSE(lit.empty()) << c.what;
        // The same pixels as the rule gives for the two end pixels, drawn on
        // a picture wide enough to hold them both where they fit.
        const auto pixel = [](float v) { return static_cast<int>(std::floor(v)); };
        if (std::abs(c.xa) < 1e6f && std::abs(c.xb) < 1e6f) {
            EXPECT_EQ(lit, by_the_rule({pixel(c.xa), pixel(c.ya)}, {pixel(c.xb), pixel(c.yb)}, 239, 63)) << c.what;
        } else {
            // Beyond the margin the ends are moved in along the segment: a
            // nearly flat line still crosses the middle rows only.
            for (const auto& [column, row] : lit) EXPECT_TRUE(row == 31 || row == 32) << c.what;
            EXPECT_EQ(lit.size(), 239u) << c.what;
        }
    }
}

}  // namespace
}  // namespace waves::picture
