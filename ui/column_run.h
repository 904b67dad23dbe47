// Vertical lines waiting to be drawn on a graph surface's picture: lines
// that all go from one start row to one end row with one pen, kept as the
// set of pixel columns they lie in. A line's pixels depend only on its two
// end pixels and the pen, so the lines of a run differ only in their
// column, and each marked column is drawn once however many lines it holds
// (at a span of 100000 the grid puts some 420 period lines in each of 239
// columns).
//
// A column's pixels are set directly, exactly as drawPolyline sets them
// with the surfaces' pen (picture_painting.h): from the start row towards
// the end row, both included, every pixel of a solid line and, of a dotted
// one, the start pixel and every third pixel from it. A dotted column whose
// start lies outside the picture, where the dots' phase is Qt's own, is
// drawn by drawPolyline.
//
// The run's last line is kept apart until the run is drawn: a line_to may
// continue it as a polyline instead (whose join pixel Qt draws differently
// from a line's end pixel).
#pragma once

#include <QImage>

#include <bit>
#include <cstdint>
#include <vector>

#include "core/graphs/graph_surface.h"
#include "picture/device_mapping.h"

namespace waves {

class ColumnRun {
public:
    bool active() const { return active_; }

    // Starts a run of lines from start_row to end_row on a picture `width`
    // columns wide, with no line yet. REQUIRES: no run is active.
    void start(int width, int start_row, int end_row, Rgb colour, PenStyle style);
    // Records the user ends of the run's latest line and the scale it was
    // mapped with: a later line with the same ends, bit for bit, has the
    // same rows and needs only its column (device_x).
    void remember_ends(float ya, float yb, const picture::Scale& scale);
    bool has_ends(float ya, float yb) const { return same_bits(ya, ya_) && same_bits(yb, yb_); }
    // The device x of x with the remembered scale, operation for operation
    // as picture::device_x computes it.
    double device_x(float x) const { return (static_cast<double>(x) - x_left_) / x_extent_ * width_; }
    // x_right - x_left of the remembered scale.
    double x_extent() const { return x_extent_; }

    int width() const { return width_; }
    int start_row() const { return start_row_; }
    int end_row() const { return end_row_; }
    Rgb colour() const { return colour_; }
    PenStyle style() const { return style_; }
    // The column of the run's last line. REQUIRES: the run has a line.
    int last_column() const { return last_column_; }

    // A line in `column`, which becomes the run's last line.
    void add_line(int column) {
        if (has_last_) mark(last_column_);
        last_column_ = column;
        has_last_ = true;
    }
    // A line in every column from first to last, the one in `last` becoming
    // the run's last line (the earlier last line lies in that range).
    void add_lines(int first, int last);
    // Forgets the run's last line (a polyline takes it over).
    void drop_last_line() { has_last_ = false; }

    // Draws every line of the run onto the picture, which is `width` columns
    // wide, each marked column once.
    void draw(QImage& picture) const;
    // Ends the run, drawn or not.
    void end();

private:
    // The same float, bit for bit (so -0 is not 0, and a NaN may equal itself).
    static bool same_bits(float a, float b) { return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b); }
    void mark(int column) {
        if (column < 0 || column >= width_) return;
        const auto index = static_cast<std::size_t>(column);
        marked_[index / 64] |= std::uint64_t{1} << (index % 64);
        any_marked_ = true;
    }
    void draw_column(int column, QImage& picture, QRgb* pixels, qsizetype pixels_per_line) const;

    bool active_ = false;
    int width_ = 0;
    int start_row_ = 0;
    int end_row_ = 0;
    Rgb colour_{};
    PenStyle style_ = PenStyle::solid;
    float ya_ = 0.0f;
    float yb_ = 0.0f;
    double x_left_ = 0.0;
    double x_extent_ = 1.0;  // x_right - x_left
    std::vector<std::uint64_t> marked_;  // one bit per picture column
    bool any_marked_ = false;
    bool has_last_ = false;
    int last_column_ = 0;
};

}  // namespace waves
