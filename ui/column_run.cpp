#include "ui/column_run.h"

#include <QPen>
#include <QPoint>

#include <algorithm>
#include <array>

#include "ui/picture_painting.h"

namespace waves {

namespace {

// One pixel in three is lit along a dotted line (Qt::DotLine at one pixel).
constexpr int kDotPeriod = 3;

}  // namespace

void ColumnRun::start(int width, int start_row, int end_row, Rgb colour, PenStyle style) {
    active_ = true;
    width_ = width;
    start_row_ = start_row;
    end_row_ = end_row;
    colour_ = colour;
    style_ = style;
    marked_.resize((static_cast<std::size_t>(width) + 63) / 64);
    has_last_ = false;
}

void ColumnRun::remember_ends(float ya, float yb, const picture::Scale& scale) {
    ya_ = ya;
    yb_ = yb;
    x_left_ = scale.x_left;
    x_extent_ = static_cast<double>(scale.x_right) - x_left_;
}

void ColumnRun::add_lines(int first, int last) {
    const int from = std::max(first, 0);
    const int to = std::min(last, width_ - 1);
    for (int column = from; column <= to; ++column) mark(column);
    last_column_ = last;
    has_last_ = true;
}

void ColumnRun::end() {
    if (any_marked_) std::fill(marked_.begin(), marked_.end(), 0);
    any_marked_ = false;
    has_last_ = false;
    active_ = false;
}

void ColumnRun::draw(QImage& picture) const {
    if (!active_) return;
    const bool last_inside = has_last_ && last_column_ >= 0 && last_column_ < width_;
    if (!any_marked_ && !last_inside) return;
    // bits() detaches the picture from any copy of it.
    auto* pixels = reinterpret_cast<QRgb*>(picture.bits());
    const qsizetype pixels_per_line = picture.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    for (std::size_t word = 0; word < marked_.size(); ++word) {
        std::uint64_t bits = marked_[word];
        if (last_inside && static_cast<std::size_t>(last_column_) / 64 == word) {
            bits |= std::uint64_t{1} << (static_cast<std::size_t>(last_column_) % 64);
        }
        while (bits != 0) {
            const int bit = std::countr_zero(bits);
            bits &= bits - 1;
            draw_column(static_cast<int>(word * 64) + bit, picture, pixels, pixels_per_line);
        }
    }
}

void ColumnRun::draw_column(int column, QImage& picture, QRgb* pixels, qsizetype pixels_per_line) const {
    const int height = picture.height();
    const bool dotted = style_ == PenStyle::dotted;
    const bool start_inside = start_row_ >= 0 && start_row_ < height;
    if (dotted && !start_inside && start_row_ != end_row_) {
        // Where the dots fall on a line that enters the picture from outside
        // is the stroker's own business: let it draw that line.
        QPen pen = one_pixel_pen();
        configure_pen(pen, colour_, style_);
        const std::array<QPoint, 2> ends{QPoint(column, start_row_), QPoint(column, end_row_)};
        paint_polyline(picture, ends.data(), 2, pen);
        return;
    }
    // From the start row towards the end row, both included: every row of a
    // solid line, every third of a dotted one, the start row lit.
    const QRgb colour = rgb_of(colour_) | 0xff000000u;
    const int direction = end_row_ >= start_row_ ? 1 : -1;
    const int stride = dotted ? kDotPeriod : 1;
    const int length = (end_row_ - start_row_) * direction;  // rows after the start
    int first_step = 0;
    // A solid line may start outside the picture: begin at its first row inside.
    if (start_row_ < 0 && direction > 0) first_step = -start_row_;
    if (start_row_ >= height && direction < 0) first_step = start_row_ - (height - 1);
    for (int step = first_step; step <= length; step += stride) {
        const int row = start_row_ + direction * step;
        if (row < 0 || row >= height) break;
        pixels[static_cast<qsizetype>(row) * pixels_per_line + column] = colour;
    }
}

}  // namespace waves
