// The graph surface draws a run of vertical lines (the period lines of a
// grid, sent in one vertical_lines call or line by line) by marking pixel
// columns and drawing each marked column once. These
// tests check that the picture is exactly the one that drawing every line by
// itself gives: each line mapped to its two end pixels as the surface's
// mapping says and drawn alone with Qt's one-pixel cosmetic pen, square caps,
// dotted or solid. At t_span 16384 and 100000 a graph 239 pixels wide gets
// 16383 and 99999 period lines, some 70 and 420 to a column.
#include <QImage>
#include <QPainter>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/model/parameters.h"
#include "core/graphs/colours.h"
#include "core/graphs/frames.h"
#include "core/graphs/grid.h"
#include "ui/graph_surface_widget.h"

namespace waves {

namespace {

const QColor kWhite(255, 255, 255);

struct Line {
    float xa, ya, xb, yb;
    Rgb colour;
    PenStyle style;
};

// Passes every call on to the surface and keeps the lines it was sent.
class LineLog final : public GraphSurface {
public:
    explicit LineLog(GraphSurfaceWidget& surface) : surface_(surface) {}

    void clear() override { surface_.clear(); }
    void set_scale(float x_left, float y_top, float x_right, float y_bottom) override {
        surface_.set_scale(x_left, y_top, x_right, y_bottom);
    }
    void set_pen_colour(Rgb colour) override {
        colour_ = colour;
        surface_.set_pen_colour(colour);
    }
    void set_pen_style(PenStyle style) override {
        style_ = style;
        surface_.set_pen_style(style);
    }
    void line(float xa, float ya, float xb, float yb) override {
        lines.push_back({xa, ya, xb, yb, colour_, style_});
        surface_.line(xa, ya, xb, yb);
    }
    void line_to(float x, float y) override { surface_.line_to(x, y); }
    void point(float x, float y) override { surface_.point(x, y); }
    // The grid's period lines reach the surface as one call, as in the
    // program; the log keeps each line they stand for.
    void vertical_lines(double spacing, std::int64_t count, float y_from, float y_to) override {
        for (std::int64_t k = 1; k <= count; ++k) {
            const auto x = static_cast<float>(spacing * static_cast<double>(k));
            lines.push_back({x, y_from, x, y_to, colour_, style_});
        }
        surface_.vertical_lines(spacing, count, y_from, y_to);
    }
    double surface_height() const override { return surface_.surface_height(); }

    std::vector<Line> lines;

private:
    GraphSurfaceWidget& surface_;
    Rgb colour_{};
    PenStyle style_ = PenStyle::solid;
};

struct Frame {
    float x_left, y_top, x_right, y_bottom;
};

// The surface's mapping: column floor(u), row floor(v), the far edges in
// the last column and row.
QPoint pixel_of(const Frame& f, const QSize& size, float x, float y) {
    const double x_left = f.x_left;
    const double y_top = f.y_top;
    const double u = (double(x) - x_left) / (double(f.x_right) - x_left) * size.width();
    const double v = (double(y) - y_top) / (double(f.y_bottom) - y_top) * size.height();
    const auto index = [](double c, int extent) { return c == extent ? extent - 1 : int(std::floor(c)); };
    return {index(u, size.width()), index(v, size.height())};
}

QPen pen_of(const Line& line) {
    QPen pen(QColor(line.colour.red, line.colour.green, line.colour.blue));
    pen.setWidth(1);
    pen.setCosmetic(true);
    pen.setCapStyle(Qt::SquareCap);
    pen.setStyle(line.style == PenStyle::dotted ? Qt::DotLine : Qt::SolidLine);
    return pen;
}

// Draws every line by itself, in order, on a picture of the background.
// REQUIRES: every end maps well inside the int range.
QImage draw_each_line(const QImage& like, const QColor& background, const Frame& frame, const std::vector<Line>& lines) {
    QImage picture(like.size(), QImage::Format_RGB32);
    picture.fill(background);
    QPainter painter(&picture);
    for (const Line& line : lines) {
        const QPoint ends[2] = {pixel_of(frame, picture.size(), line.xa, line.ya),
                                pixel_of(frame, picture.size(), line.xb, line.yb)};
        if (ends[0] == ends[1]) {
            // A line within one pixel is that pixel.
            if (picture.rect().contains(ends[0])) {
                picture.setPixel(ends[0], qRgb(line.colour.red, line.colour.green, line.colour.blue));
            }
            continue;
        }
        painter.setPen(pen_of(line));
        painter.drawPolyline(ends, 2);
    }
    return picture;
}

Parameters params_at(float span) {
    Parameters params;
    params.pi_value = 3.14159;
    params.y_max = 10;
    params.t_span = span;
    params.h_ratio = 1815.0f / 975.0f;
    return params;
}

int dotted_columns(const QImage& picture, QRgb colour, int skip_row) {
    int columns = 0;
    for (int x = 0; x < picture.width(); ++x) {
        int dots = 0;
        for (int y = 0; y < picture.height(); ++y) dots += y != skip_row && picture.pixel(x, y) == colour ? 1 : 0;
        columns += dots > 0 ? 1 : 0;
    }
    return columns;
}

}  // namespace

class GraphSurfaceColumnRunsTest : public QObject {
    Q_OBJECT

public:
    static void initMain() { qputenv("QT_SCALE_FACTOR", "1"); }

private slots:
    // ---- the grid as the core draws it ---------------------------------------

    void grid_equals_every_line_drawn_by_itself_data() {
        QTest::addColumn<float>("span");
        QTest::addColumn<QSize>("outer");  // of the surface, border included
        QTest::addColumn<bool>("sum_frame");
        for (const float span : {2.0f, 3.0f, 100.0f, 239.0f, 240.0f, 1000.0f, 16384.0f, 100000.0f}) {
            const QByteArray name = QByteArray::number(double(span));
            QTest::newRow("small graph, t_span " + name) << span << QSize(241, 65) << false;
            QTest::newRow("sum graph, t_span " + name) << span << QSize(241, 121) << true;
        }
        // The pixels a ratio of 2 gives a small graph, on one surface.
        QTest::newRow("twice the pixels, t_span 16384") << 16384.0f << QSize(480, 128) << false;
        QTest::newRow("twice the pixels, t_span 100000") << 100000.0f << QSize(480, 128) << false;
    }
    void grid_equals_every_line_drawn_by_itself() {
        QFETCH(float, span);
        QFETCH(QSize, outer);
        QFETCH(bool, sum_frame);
        const Parameters params = params_at(span);
        GraphSurfaceWidget surface(kWhite);
        surface.setGeometry(QRect(QPoint(0, 0), outer));
        LineLog log(surface);
        if (sum_frame) {
            waves::sum_frame(log, params);
        } else {
            wave_frame(log, params);
        }
        log.clear();
        const float half = sum_frame ? sum_half_height(params) : wave_half_height(params);
        draw_grid(log, params, half);

        // t_span - 1 period lines, counted past 16-bit and 32767, then the axis.
        const auto periods = static_cast<std::int64_t>(span);
        QCOMPARE(std::int64_t(log.lines.size()), periods);
        for (std::int64_t k = 1; k < periods; k += 997) {
            const Line& line = log.lines[std::size_t(k - 1)];
            QCOMPARE(line.xa, static_cast<float>(3.14159 * double(2 * k)));
            QCOMPARE(line.style, PenStyle::dotted);
        }
        QCOMPARE(log.lines.back().style, PenStyle::solid);

        const float x_end = static_cast<float>(waves::x_end(params));
        const QImage picture = surface.picture();
        const QImage expected = draw_each_line(picture, kWhite, {0.0f, half, x_end, -half}, log.lines);
        QCOMPARE(picture, expected);
        // And the lines are there: a dotted column for every column that a
        // period line falls in, every column once they are denser than pixels.
        const Frame frame{0.0f, half, x_end, -half};
        std::vector<bool> line_columns(std::size_t(picture.width()), false);
        for (std::size_t k = 0; k + 1 < log.lines.size(); ++k) {
            const int column = pixel_of(frame, picture.size(), log.lines[k].xa, 0.0f).x();
            if (column >= 0 && column < picture.width()) line_columns[std::size_t(column)] = true;
        }
        const auto expected_columns = std::count(line_columns.begin(), line_columns.end(), true);
        const int axis_row = pixel_of(frame, picture.size(), 0.0f, 0.0f).y();
        QCOMPARE(dotted_columns(picture, qRgb(0, 255, 0), axis_row), int(expected_columns));
        if (periods > 2 * picture.width()) QCOMPARE(int(expected_columns), picture.width());
    }

    void dense_grid_renders_again_at_a_new_size() {
        // The record keeps a run of 99999 lines compactly; replayed at a new
        // size it gives the picture drawn at that size in the first place.
        const Parameters params = params_at(100000.0f);
        const auto draw = [&](GraphSurfaceWidget& s) {
            wave_frame(s, params);
            s.clear();
            draw_grid(s, params, wave_half_height(params));
        };
        GraphSurfaceWidget resized(kWhite);
        resized.setGeometry(0, 0, 241, 65);
        draw(resized);
        const QImage small = resized.picture();
        resized.setGeometry(0, 0, 241, 121);
        GraphSurfaceWidget direct(kWhite);
        direct.setGeometry(0, 0, 241, 121);
        draw(direct);
        QCOMPARE(resized.picture(), direct.picture());
        resized.setGeometry(0, 0, 241, 65);
        QCOMPARE(resized.picture(), small);
    }

    // ---- runs at their edges ------------------------------------------------------

    void vertical_runs_equal_every_line_drawn_by_itself_data() {
        QTest::addColumn<bool>("dotted");
        QTest::addColumn<float>("y_start");
        QTest::addColumn<float>("y_end");
        // The frame is x 0..239, y 0..63 downwards: one unit per pixel.
        QTest::newRow("dotted, down the picture") << true << 0.0f << 63.0f;
        QTest::newRow("dotted, up the picture") << true << 62.5f << 0.0f;
        QTest::newRow("dotted, inside") << true << 10.2f << 40.7f;
        QTest::newRow("dotted, from inside to far below") << true << 5.0f << 9000.0f;
        QTest::newRow("dotted, from above into the picture") << true << -40.3f << 30.0f;
        QTest::newRow("dotted, from below up through it") << true << 100.0f << -100.0f;
        QTest::newRow("solid, from above through it") << false << -40.3f << 90.0f;
        QTest::newRow("solid, from below into it") << false << 70.0f << 20.0f;
        QTest::newRow("dotted, within one pixel") << true << 20.1f << 20.9f;
        QTest::newRow("dotted, wholly above") << true << -30.0f << -2.0f;
        QTest::newRow("solid, beyond the clipping margin") << false << -30000.0f << 30000.0f;
    }
    void vertical_runs_equal_every_line_drawn_by_itself() {
        QFETCH(bool, dotted);
        QFETCH(float, y_start);
        QFETCH(float, y_end);
        const Frame frame{0.0f, 0.0f, 239.0f, 63.0f};
        GraphSurfaceWidget surface(kWhite);
        surface.setGeometry(0, 0, 241, 65);
        LineLog log(surface);
        log.set_scale(frame.x_left, frame.y_top, frame.x_right, frame.y_bottom);
        log.set_pen_colour({0, 128, 255});
        log.set_pen_style(dotted ? PenStyle::dotted : PenStyle::solid);
        // Several lines to a column, lines off both sides, and the same
        // column again after others.
        for (int i = 0; i < 600; ++i) {
            const float x = -20.0f + float(i) * 0.47f;
            log.line(x, y_start, x, y_end);
        }
        log.line(100.5f, y_start, 100.5f, y_end);
        const QImage expected = draw_each_line(surface.picture(), kWhite, frame, log.lines);
        QCOMPARE(surface.picture(), expected);
    }

    void line_to_after_a_run_continues_its_last_line_data() {
        QTest::addColumn<bool>("dotted");
        QTest::addColumn<float>("end_y");
        QTest::addColumn<QPointF>("next");
        QTest::addColumn<int>("height");  // of the surface, border included
        // The frame is x 0..239, y 0..height - 2 downwards: one unit per pixel.
        // A solid line down the full height and back up to the left: at
        // that join the polyline leaves out a pixel that the line by itself
        // would set.
        QTest::newRow("solid, full height, then back up") << false << 118.5f << QPointF(39.5, 73.5) << 121;
        for (const bool dotted : {true, false}) {
            for (const float end_y : {48.5f, 49.5f, 50.5f}) {
                for (const QPointF next : {QPointF(200.5, 20.5), QPointF(121.5, 62.5), QPointF(60.5, 55.5)}) {
                    QTest::addRow("%s, to row %d, then to %g, %g", dotted ? "dotted" : "solid", int(end_y),
                                  next.x(), next.y())
                        << dotted << end_y << next << 65;
                }
            }
        }
    }
    void line_to_after_a_run_continues_its_last_line() {
        // The last line of a run and the line_to after it are one polyline,
        // as a line and the line_to that continues it always are.
        QFETCH(bool, dotted);
        QFETCH(float, end_y);
        QFETCH(QPointF, next);
        QFETCH(int, height);
        const Frame frame{0.0f, 0.0f, 239.0f, float(height - 2)};
        const Rgb colour{200, 0, 200};
        const PenStyle style = dotted ? PenStyle::dotted : PenStyle::solid;
        GraphSurfaceWidget surface(kWhite);
        surface.setGeometry(0, 0, 241, height);
        surface.set_scale(frame.x_left, frame.y_top, frame.x_right, frame.y_bottom);
        surface.set_pen_colour(colour);
        surface.set_pen_style(style);
        std::vector<Line> run;
        for (const float x : {30.5f, 60.5f, 90.5f, 30.7f, 120.5f}) {  // the last one alone in its column
            surface.line(x, 0.5f, x, end_y);
            run.push_back({x, 0.5f, x, end_y, colour, style});
        }
        surface.line_to(float(next.x()), float(next.y()));
        surface.line_to(220.5f, 60.5f);

        run.pop_back();  // the last line goes with the polyline
        QImage expected = draw_each_line(surface.picture(), kWhite, frame, run);
        QPainter painter(&expected);
        painter.setPen(pen_of({0, 0, 0, 0, colour, style}));
        const QPoint polyline[] = {{120, 0}, {120, int(end_y)}, QPoint(int(std::floor(next.x())), int(std::floor(next.y()))), {220, 60}};
        painter.drawPolyline(polyline, 4);
        painter.end();
        QCOMPARE(surface.picture(), expected);
    }
};

}  // namespace waves

QTEST_MAIN(waves::GraphSurfaceColumnRunsTest)
#include "graph_surface_column_runs_test.moc"
