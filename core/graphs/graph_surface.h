// A graph surface: a drawing area with a retained picture, a user
// coordinate scale, a pen and a current point.
//
// Every coordinate is a single-precision float in the surface's user scale.
// The drawing routines compute in double precision and round to float at
// this interface, so what a surface receives is exactly what is plotted.
// Whatever falls outside the surface is clipped; no operation fails.
//
// The window implements this with a retained image per graph; the tests
// implement it with a recorder that logs every call.
#pragma once

#include <cstdint>

namespace waves {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// dotted: one pixel in three lit; dashed: runs of lit and unlit pixels,
// longer than the dots, so that the mean's line tells itself from the grid.
enum class PenStyle { solid, dotted, dashed };

class GraphSurface {
public:
    virtual ~GraphSurface() = default;

    // Erases the whole picture to the background colour. The scale, pen
    // colour and pen style stay as they were.
    virtual void clear() = 0;
    // (x_left, y_top) is the upper-left corner, (x_right, y_bottom) the
    // lower-right; with y_top > y_bottom, y grows upwards.
    virtual void set_scale(float x_left, float y_top, float x_right, float y_bottom) = 0;
    virtual void set_pen_colour(Rgb colour) = 0;
    virtual void set_pen_style(PenStyle style) = 0;
    // A one-pixel line from (xa, ya) to (xb, yb); (xb, yb) becomes the current point.
    virtual void line(float xa, float ya, float xb, float yb) = 0;
    // A line from the current point to (x, y), which becomes the current point.
    virtual void line_to(float x, float y) = 0;
    // Sets the pixel at (x, y) in the pen colour; (x, y) becomes the current point.
    virtual void point(float x, float y) = 0;

    // Evenly spaced vertical lines, in order: for k = 1 .. count, a line
    // from (x_k, y_from) to (x_k, y_to), where x_k = spacing x k is formed in
    // double precision and rounded to single precision. Exactly the same as
    // those count calls of line(), which is what this default does; a
    // surface may draw the same pixels faster (a grid of a hundred thousand
    // period lines on a graph a few hundred pixels wide).
    virtual void vertical_lines(double spacing, std::int64_t count, float y_from, float y_to);

    // Height of the surface control as laid out (border included), in the
    // same unit for every surface of the window: start-up only divides two
    // of them, to make one vertical unit equally tall on every graph.
    virtual double surface_height() const = 0;
};

}  // namespace waves
