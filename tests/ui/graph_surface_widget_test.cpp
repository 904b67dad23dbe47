// The on-screen graph surface at a device pixel ratio of 1: what each
// operation leaves in the picture, pixel by pixel, how a redraw reaches the
// screen, and a component graph drawn through the real core.
//
// The mapping under test: with the picture W x H device pixels and the
// scale (x_left, y_top)-(x_right, y_bottom), a point lands in column
// floor((x - x_left) / (x_right - x_left) x W) and row
// floor((y - y_top) / (y_bottom - y_top) x H), the far edges belonging to
// the last column and row. A 241 x 65 surface has a 239 x 63 picture inside
// its one-pixel border.
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTest>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "core/model/parameters.h"
#include "core/graphs/colours.h"
#include "core/graphs/frames.h"
#include "core/graphs/grid.h"
#include "core/graphs/sample_loop.h"
#include "core/graphs/wave_values.h"
#include "ui/graph_surface_widget.h"

namespace waves {

namespace {

constexpr float kXEnd = 6.28318f;                // x_end at t_span 1
constexpr float kHalfPi = 3.14159f;              // the middle of that range
constexpr float kSumHalf = 10.0f * (1815.0f / 975.0f);  // sum_frame half-height
constexpr int kWidth = 241;                      // outer width of every graph
constexpr int kWaveHeight = 65;                  // outer height of the small graphs
constexpr int kSumHeight = 121;                  // outer height of the sum graphs

const QColor kWhite(255, 255, 255);
const QColor kLightCyan(192, 255, 255);
const QColor kLightYellow(255, 255, 192);
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kBlue{0, 0, 255};

QRgb rgb_of(Rgb c) { return qRgb(c.red, c.green, c.blue); }

std::unique_ptr<GraphSurfaceWidget> make_surface(const QColor& background = kWhite, int height = kWaveHeight) {
    auto surface = std::make_unique<GraphSurfaceWidget>(background);
    surface->setGeometry(0, 0, kWidth, height);
    return surface;
}

void set_wave_frame(GraphSurfaceWidget& surface) { surface.set_scale(0.0f, 10.0f, kXEnd, -10.0f); }

// Every pixel that is not the background colour.
std::vector<QPoint> drawn_pixels(const QImage& picture, const QColor& background) {
    std::vector<QPoint> drawn;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.pixel(x, y) != background.rgb()) drawn.emplace_back(x, y);
        }
    }
    return drawn;
}

int count_in_row(const QImage& picture, int row, QRgb colour) {
    int count = 0;
    for (int x = 0; x < picture.width(); ++x) count += picture.pixel(x, row) == colour ? 1 : 0;
    return count;
}

int count_in_column(const QImage& picture, int column, QRgb colour) {
    int count = 0;
    for (int y = 0; y < picture.height(); ++y) count += picture.pixel(column, y) == colour ? 1 : 0;
    return count;
}

// The longest run of `colour` in a column; a row given as `breaking_row`
// ends a run instead of counting (where another line crosses).
int longest_run_in_column(const QImage& picture, int column, QRgb colour, int breaking_row = -1) {
    int longest = 0;
    int run = 0;
    for (int y = 0; y < picture.height(); ++y) {
        run = picture.pixel(column, y) == colour && y != breaking_row ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

// The picture as it appears on screen: the widget rendered through its
// paintEvent, border included, in device pixels.
QImage on_screen(GraphSurfaceWidget& surface) { return surface.grab().toImage(); }

// What the platform shows of a top-level window: its backing store, as the
// last paints left it (nothing is painted to read it).
QImage shown_window(QWidget& window) {
    return window.screen()->grabWindow(window.winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

// Counts the paint events of the widgets it watches.
class PaintCounter final : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

class GraphSurfaceWidgetTest : public QObject {
    Q_OBJECT

public:
    // Runs before the application exists: this executable checks the 1x
    // pixel layout, whatever scale the environment asks for.
    static void initMain() { qputenv("QT_SCALE_FACTOR", "1"); }

private slots:
    void initTestCase() { QCOMPARE(qApp->devicePixelRatio(), 1.0); }

    // ---- geometry -------------------------------------------------------

    void picture_fills_the_area_inside_the_border_data() {
        QTest::addColumn<int>("height");
        QTest::newRow("small graph") << kWaveHeight;
        QTest::newRow("sum graph") << kSumHeight;
    }
    void picture_fills_the_area_inside_the_border() {
        QFETCH(int, height);
        auto surface = make_surface(kWhite, height);
        QCOMPARE(surface->surface_height(), double(height));
        QVERIFY(surface->frameWidth() >= 1);
        const QRect inside = surface->contentsRect();
        QVERIFY(surface->rect().contains(inside));
        QVERIFY(inside.width() < kWidth && inside.height() < height);
        const QImage picture = surface->picture();
        QCOMPARE(picture.size(), inside.size());
        QCOMPARE(picture.devicePixelRatio(), 1.0);
    }

    void outer_heights_give_the_layout_ratio() {
        auto sum = make_surface(kLightYellow, kSumHeight);
        auto small = make_surface(kWhite, kWaveHeight);
        const auto ratio = static_cast<float>(sum->surface_height() / small->surface_height());
        QCOMPARE(ratio, static_cast<float>(1815.0 / 975.0));
    }

    // ---- clear ----------------------------------------------------------

    void clear_fills_the_background_data() {
        QTest::addColumn<QColor>("background");
        QTest::newRow("white") << kWhite;
        QTest::newRow("light cyan") << kLightCyan;
        QTest::newRow("light yellow") << kLightYellow;
    }
    void clear_fills_the_background() {
        QFETCH(QColor, background);
        auto surface = make_surface(background);
        QVERIFY(drawn_pixels(surface->picture(), background).empty());  // a new surface is blank

        set_wave_frame(*surface);
        surface->set_pen_colour(kRed);
        surface->line(0.0f, 10.0f, kXEnd, -10.0f);
        surface->point(1.0f, 1.0f);
        surface->line_to(2.0f, 5.0f);  // left pending in the polyline
        QVERIFY(!drawn_pixels(surface->picture(), background).empty());

        surface->clear();
        QVERIFY(drawn_pixels(surface->picture(), background).empty());
    }

    void clear_keeps_scale_pen_colour_and_style() {
        auto surface = make_surface();
        set_wave_frame(*surface);
        surface->set_pen_colour(kBlue);
        surface->set_pen_style(PenStyle::dotted);
        surface->clear();

        surface->line(0.0f, 0.0f, kXEnd, 0.0f);
        const QImage picture = surface->picture();
        const auto drawn = drawn_pixels(picture, kWhite);
        QVERIFY(!drawn.empty());
        for (const QPoint& p : drawn) QCOMPARE(p.y(), 31);  // the wave frame's axis row
        const int blue = count_in_row(picture, 31, rgb_of(kBlue));
        QCOMPARE(int(drawn.size()), blue);
        QVERIFY2(blue < picture.width() / 2, "the dotted style was lost");
    }

    // ---- lines ------------------------------------------------------------

    void horizontal_axis_lands_on_the_middle_row_data() {
        QTest::addColumn<int>("height");
        QTest::addColumn<float>("half_height");
        QTest::addColumn<int>("middle_row");
        QTest::addColumn<QColor>("colour");
        // 63 rows inside the border: 31 above the axis, 31 below.
        QTest::newRow("small graph, green") << kWaveHeight << 10.0f << 31 << QColor(0, 255, 0);
        QTest::newRow("small graph, red") << kWaveHeight << 10.0f << 31 << QColor(255, 0, 0);
        // 119 rows: 59 above, 59 below.
        QTest::newRow("sum graph, blue") << kSumHeight << kSumHalf << 59 << QColor(0, 0, 255);
    }
    void horizontal_axis_lands_on_the_middle_row() {
        QFETCH(int, height);
        QFETCH(float, half_height);
        QFETCH(int, middle_row);
        QFETCH(QColor, colour);
        auto surface = make_surface(kWhite, height);
        surface->set_scale(0.0f, half_height, kXEnd, -half_height);
        surface->set_pen_colour({static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
                                 static_cast<std::uint8_t>(colour.blue())});
        surface->line(0.0f, 0.0f, kXEnd, 0.0f);

        const QImage picture = surface->picture();
        QCOMPARE(picture.height(), 2 * middle_row + 1);
        QCOMPARE(count_in_row(picture, middle_row, colour.rgb()), picture.width());  // edge to edge
        QCOMPARE(int(drawn_pixels(picture, kWhite).size()), picture.width());      // and nothing else
    }

    void vertical_line_is_dotted_or_solid_data() {
        QTest::addColumn<bool>("dotted");
        QTest::newRow("dotted") << true;
        QTest::newRow("solid") << false;
    }
    void vertical_line_is_dotted_or_solid() {
        QFETCH(bool, dotted);
        auto surface = make_surface();
        set_wave_frame(*surface);
        surface->set_pen_colour(kGreen);
        surface->set_pen_style(dotted ? PenStyle::dotted : PenStyle::solid);
        surface->line(kHalfPi, 10.0f, kHalfPi, -10.0f);

        const QImage picture = surface->picture();
        const int column = 119;  // floor(0.5 x 239)
        for (const QPoint& p : drawn_pixels(picture, kWhite)) {
            QCOMPARE(p.x(), column);
            QCOMPARE(picture.pixel(p), rgb_of(kGreen));
        }
        const int green = count_in_column(picture, column, rgb_of(kGreen));
        const int gap = longest_run_in_column(picture, column, kWhite.rgb());
        if (!dotted) {
            QCOMPARE(green, picture.height());
        } else {
            QVERIFY2(green >= picture.height() / 3 - 1 && green < picture.height() / 2,
                     qPrintable(QString("%1 dots in %2 rows").arg(green).arg(picture.height())));
            QVERIFY(gap >= 1 && gap <= 2);  // regular small gaps, not a broken line
            QCOMPARE(longest_run_in_column(picture, column, rgb_of(kGreen)), 1);
            QCOMPARE(picture.pixel(column, 0), rgb_of(kGreen));  // the pattern starts with a dot
        }
    }

    // ---- the scale and point ---------------------------------------------

    void point_lands_on_the_mapped_pixel_data() {
        QTest::addColumn<int>("height");
        QTest::addColumn<QRectF>("scale");  // x_left, y_top as topLeft; x_right, y_bottom as bottomRight
        QTest::addColumn<QPointF>("at");
        QTest::addColumn<QPoint>("pixel");  // (-1, -1): nothing drawn
        const QRectF wave(QPointF(0.0, 10.0), QPointF(double(kXEnd), -10.0));
        const QRectF sum(QPointF(0.0, double(kSumHalf)), QPointF(double(kXEnd), -double(kSumHalf)));
        QTest::newRow("upper-left corner") << kWaveHeight << wave << QPointF(0, 10) << QPoint(0, 0);
        QTest::newRow("lower-right corner") << kWaveHeight << wave << QPointF(double(kXEnd), -10) << QPoint(238, 62);
        QTest::newRow("lower-left corner") << kWaveHeight << wave << QPointF(0, -10) << QPoint(0, 62);
        QTest::newRow("upper-right corner") << kWaveHeight << wave << QPointF(double(kXEnd), 10) << QPoint(238, 0);
        QTest::newRow("centre") << kWaveHeight << wave << QPointF(double(kHalfPi), 0) << QPoint(119, 31);
        // 5 cos x at its peak and trough, x = pi/2 at 0.25 of the width.
        QTest::newRow("y = 5") << kWaveHeight << wave << QPointF(1.570795, 5) << QPoint(59, 15);
        QTest::newRow("y = -5") << kWaveHeight << wave << QPointF(1.570795, -5) << QPoint(59, 47);
        QTest::newRow("sum frame, upper-left") << kSumHeight << sum << QPointF(0, double(kSumHalf)) << QPoint(0, 0);
        QTest::newRow("sum frame, axis") << kSumHeight << sum << QPointF(double(kHalfPi), 0) << QPoint(119, 59);
        QTest::newRow("sum frame, lower-right")
            << kSumHeight << sum << QPointF(double(kXEnd), -double(kSumHalf)) << QPoint(238, 118);
        // y grows downwards when y_top < y_bottom: one unit per pixel here.
        const QRectF pixels(QPointF(0, 0), QPointF(239, 63));
        QTest::newRow("downwards, inside a pixel") << kWaveHeight << pixels << QPointF(10.7, 20.2) << QPoint(10, 20);
        QTest::newRow("downwards, far corner") << kWaveHeight << pixels << QPointF(239, 63) << QPoint(238, 62);
        // x grows leftwards when x_left > x_right.
        const QRectF mirrored(QPointF(10, 1), QPointF(0, -1));
        QTest::newRow("mirrored, left edge") << kWaveHeight << mirrored << QPointF(10, 1) << QPoint(0, 0);
        QTest::newRow("mirrored, inside") << kWaveHeight << mirrored << QPointF(2.5, 0) << QPoint(179, 31);
        // Outside the frame: clipped, nothing drawn.
        QTest::newRow("right of the frame") << kWaveHeight << wave << QPointF(6.3, 0) << QPoint(-1, -1);
        QTest::newRow("left of the frame") << kWaveHeight << wave << QPointF(-0.001, 0) << QPoint(-1, -1);
        QTest::newRow("below the frame") << kWaveHeight << wave << QPointF(1, -10.01) << QPoint(-1, -1);
        QTest::newRow("far above") << kWaveHeight << wave << QPointF(1, 1e30) << QPoint(-1, -1);
        QTest::newRow("not a number") << kWaveHeight << wave << QPointF(qQNaN(), 0) << QPoint(-1, -1);
        QTest::newRow("infinite") << kWaveHeight << wave << QPointF(1, qInf()) << QPoint(-1, -1);
    }
    void point_lands_on_the_mapped_pixel() {
        QFETCH(int, height);
        QFETCH(QRectF, scale);
        QFETCH(QPointF, at);
        QFETCH(QPoint, pixel);
        auto surface = make_surface(kLightCyan, height);
        surface->set_scale(float(scale.left()), float(scale.top()), float(scale.right()), float(scale.bottom()));
        surface->set_pen_colour(kRed);
        surface->point(float(at.x()), float(at.y()));

        const QImage picture = surface->picture();
        const auto drawn = drawn_pixels(picture, kLightCyan);
        if (pixel == QPoint(-1, -1)) {
            QVERIFY(drawn.empty());
        } else {
            QCOMPARE(int(drawn.size()), 1);  // exactly one pixel
            QCOMPARE(drawn.front(), pixel);
            QCOMPARE(picture.pixel(pixel), rgb_of(kRed));
        }
    }

    void degenerate_scale_draws_nothing() {
        auto surface = make_surface();
        surface->set_scale(1.0f, 1.0f, 1.0f, 1.0f);
        surface->set_pen_colour(kRed);
        surface->line(0.0f, 0.0f, 2.0f, 2.0f);
        surface->point(1.0f, 1.0f);
        surface->line_to(3.0f, 3.0f);
        QVERIFY(drawn_pixels(surface->picture(), kWhite).empty());
    }

    // ---- the current point -------------------------------------------------

    void line_to_continues_from_point() {
        auto surface = make_surface();
        set_wave_frame(*surface);
        surface->set_pen_colour(kRed);
        surface->point(0.0f, 10.0f);
        surface->set_pen_colour(kBlue);  // the current point survives a pen change
        surface->line_to(kXEnd, 10.0f);

        const QImage picture = surface->picture();
        QCOMPARE(count_in_row(picture, 0, rgb_of(kBlue)), picture.width());
        QCOMPARE(int(drawn_pixels(picture, kWhite).size()), picture.width());
    }

    void line_to_continues_from_line() {
        auto surface = make_surface();
        set_wave_frame(*surface);
        surface->set_pen_colour(kRed);
        surface->line(0.0f, -10.0f, kHalfPi, -10.0f);  // bottom row, columns 0..119
        surface->line_to(kHalfPi, 10.0f);               // then up column 119
        surface->line_to(0.0f, 10.0f);                  // and back along the top row

        const QImage picture = surface->picture();
        const auto drawn = drawn_pixels(picture, kWhite);
        for (const QPoint& p : drawn) {
            const bool on_path = ((p.y() == 62 || p.y() == 0) && p.x() <= 119) || p.x() == 119;
            QVERIFY2(on_path, qPrintable(QString("stray pixel %1, %2").arg(p.x()).arg(p.y())));
        }
        QCOMPARE(int(drawn.size()), 120 + 120 + 61);  // two rows of 120, the column between
        QCOMPARE(count_in_column(picture, 119, rgb_of(kRed)), 63);
    }

    void samples_sharing_a_pixel_keep_every_pixel() {
        // Neighbouring samples of a curve often land in one pixel; the run
        // must still reach its last pixel, and a line of no length is a dot.
        auto surface = make_surface();
        surface->set_scale(0.0f, 0.0f, 239.0f, 63.0f);  // one unit per pixel, y downwards
        surface->set_pen_colour(kRed);
        surface->point(10.2f, 5.5f);
        surface->line_to(20.3f, 5.5f);
        surface->line_to(20.6f, 5.9f);  // the same pixel again
        surface->line_to(20.9f, 5.1f);  // and again: the run ends here
        surface->line(30.5f, 40.5f, 30.7f, 40.2f);  // a line within one pixel

        const QImage picture = surface->picture();
        QCOMPARE(count_in_row(picture, 5, rgb_of(kRed)), 11);  // columns 10 .. 20
        QCOMPARE(picture.pixel(20, 5), rgb_of(kRed));
        QCOMPARE(picture.pixel(30, 40), rgb_of(kRed));
        QCOMPARE(int(drawn_pixels(picture, kWhite).size()), 12);
    }

    // ---- clipping ---------------------------------------------------------

    void clipping_keeps_to_the_line_data() {
        QTest::addColumn<QLineF>("user_line");
        QTest::addColumn<int>("at_least");  // pixels that must be drawn
        QTest::addColumn<int>("at_most");
        const double huge = 1e30;
        const int any = 239 * 63;
        QTest::newRow("through the frame, far out both ways") << QLineF(-1000, -1000, 1000, 1000) << 239 << 260;
        QTest::newRow("steep, far out both ways") << QLineF(2, -5000, 4, 5000) << 63 << 66;
        QTest::newRow("from inside to 1e30 right") << QLineF(1, 0, huge, 0) << 201 << 201;
        QTest::newRow("from inside to 1e30 up-left") << QLineF(3, 2, -huge, huge) << 115 << 125;
        QTest::newRow("from 1e30 below to inside") << QLineF(5, -huge, 5, 5) << 48 << 48;
        // Whether drawn or not, nothing may land off the line.
        QTest::newRow("beyond the frame on both ends, 1e30") << QLineF(-huge, -huge, huge, huge) << 0 << any;
        QTest::newRow("wholly above the frame") << QLineF(0, 50, double(kXEnd), 50) << 0 << 0;
        QTest::newRow("wholly right of the frame") << QLineF(7, -9, 700, 9) << 0 << 0;
    }
    void clipping_keeps_to_the_line() {
        QFETCH(QLineF, user_line);
        QFETCH(int, at_least);
        QFETCH(int, at_most);
        auto surface = make_surface();
        set_wave_frame(*surface);
        surface->set_pen_colour(kRed);
        surface->line(float(user_line.x1()), float(user_line.y1()), float(user_line.x2()), float(user_line.y2()));

        const QImage picture = surface->picture();
        // The ideal line in continuous picture coordinates.
        const auto to_picture = [&](double x, double y) {
            return QPointF(x / double(kXEnd) * picture.width(), (10.0 - y) / 20.0 * picture.height());
        };
        const QPointF a = to_picture(double(float(user_line.x1())), double(float(user_line.y1())));
        const QPointF b = to_picture(double(float(user_line.x2())), double(float(user_line.y2())));
        const QPointF direction = b - a;
        const double length = std::hypot(direction.x(), direction.y());
        const auto drawn = drawn_pixels(picture, kWhite);
        for (const QPoint& p : drawn) {
            const QPointF centre(p.x() + 0.5, p.y() + 0.5);
            const QPointF offset = centre - a;
            const double distance = std::abs(offset.x() * direction.y() - offset.y() * direction.x()) / length;
            QVERIFY2(distance <= 1.5, qPrintable(QString("pixel %1, %2 lies %3 px off the line")
                                                     .arg(p.x()).arg(p.y()).arg(distance)));
        }
        QVERIFY2(int(drawn.size()) >= at_least && int(drawn.size()) <= at_most,
                 qPrintable(QString("%1 pixels drawn").arg(drawn.size())));
    }

    void non_finite_coordinates_draw_nothing_and_point_recovers() {
        auto surface = make_surface();
        set_wave_frame(*surface);
        surface->set_pen_colour(kRed);
        const float nan = std::numeric_limits<float>::quiet_NaN();
        const float inf = std::numeric_limits<float>::infinity();
        surface->line(nan, 0.0f, 3.0f, 0.0f);
        surface->line(1.0f, 0.0f, inf, 0.0f);  // the current point is now infinite
        surface->line_to(3.0f, 3.0f);           // from there: nothing
        surface->point(1.0f, nan);
        surface->line_to(2.0f, 2.0f);           // from a NaN current point: nothing
        QVERIFY(drawn_pixels(surface->picture(), kWhite).empty());

        surface->point(0.0f, 0.0f);
        surface->line_to(kXEnd, 0.0f);
        const QImage picture = surface->picture();
        QCOMPARE(count_in_row(picture, 31, rgb_of(kRed)), picture.width());
        QCOMPARE(int(drawn_pixels(picture, kWhite).size()), picture.width());
    }

    void drawing_never_reaches_the_border() {
        auto untouched = make_surface();
        auto surface = make_surface();
        set_wave_frame(*surface);
        surface->set_pen_colour(kRed);
        surface->line(-1000.0f, -1000.0f, 1000.0f, 1000.0f);
        surface->line(-1.0f, 10.0f, 8.0f, 10.0f);    // along the top edge and beyond
        surface->line(-1.0f, -10.0f, 8.0f, -10.0f);  // along the bottom edge
        surface->line(0.0f, 20.0f, 0.0f, -20.0f);    // the left edge
        surface->line(kXEnd, 20.0f, kXEnd, -20.0f);  // the right edge
        surface->point(-0.01f, 0.0f);

        const QImage drawn = on_screen(*surface);
        const QImage blank = on_screen(*untouched);
        QCOMPARE(drawn.size(), blank.size());
        const QRect inside = surface->contentsRect();
        int border_pixels = 0;
        for (int y = 0; y < drawn.height(); ++y) {
            for (int x = 0; x < drawn.width(); ++x) {
                if (inside.contains(x, y)) continue;
                ++border_pixels;
                QCOMPARE(drawn.pixel(x, y), blank.pixel(x, y));
            }
        }
        QVERIFY(border_pixels > 0);
        // The four edge lines do reach the picture's edges.
        const QImage picture = surface->picture();
        QCOMPARE(count_in_row(picture, 0, rgb_of(kRed)), picture.width());
        QCOMPARE(count_in_row(picture, picture.height() - 1, rgb_of(kRed)), picture.width());
        QCOMPARE(count_in_column(picture, 0, rgb_of(kRed)), picture.height());
        QCOMPARE(count_in_column(picture, picture.width() - 1, rgb_of(kRed)), picture.height());
    }

    // ---- retained picture -----------------------------------------------------

    void picture_survives_hide_and_show() {
        auto surface = make_surface(kLightYellow);
        surface->show();
        QVERIFY(QTest::qWaitForWindowExposed(surface.get()));
        set_wave_frame(*surface);
        surface->set_pen_colour(kRed);
        surface->point(0.0f, 5.0f);
        for (int i = 1; i <= 100; ++i) surface->line_to(kXEnd * float(i) / 100.0f, 5.0f * std::cos(float(i) / 8.0f));
        const QImage before = surface->picture();
        QVERIFY(!drawn_pixels(before, kLightYellow).empty());

        surface->hide();
        QVERIFY(!surface->isVisible());
        surface->show();
        QVERIFY(QTest::qWaitForWindowExposed(surface.get()));
        QCOMPARE(surface->picture(), before);
        // What is painted is exactly the picture, inside the border.
        const QImage shown = on_screen(*surface);
        QCOMPARE(shown.copy(surface->contentsRect()).convertToFormat(before.format()), before);
    }

    void a_redraw_repaints_the_picture_and_nothing_beneath() {
        // A surface on a panel, as the graphs sit on their bands.
        QWidget panel;
        panel.resize(kWidth + 20, kWaveHeight + 20);
        auto* surface = new GraphSurfaceWidget(kLightCyan, &panel);
        surface->setGeometry(10, 10, kWidth, kWaveHeight);
        PaintCounter beneath;
        panel.installEventFilter(&beneath);
        surface->installEventFilter(&beneath);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QTRY_VERIFY(beneath.paints >= 2);  // the first paint does paint the panel and the border
        const QImage border_before = shown_window(panel);

        beneath.paints = 0;
        set_wave_frame(*surface);
        surface->clear();
        surface->set_pen_colour(kRed);
        surface->point(0.0f, 5.0f);
        for (int i = 1; i <= 100; ++i) surface->line_to(kXEnd * float(i) / 100.0f, 5.0f * std::cos(float(i) / 8.0f));
        const QImage picture = surface->picture();
        const QRect area = surface->contentsRect().translated(surface->pos());
        QTRY_COMPARE(shown_window(panel).copy(area), picture);
        QCOMPARE(beneath.paints, 0);
        // Outside the picture the window is as it was.
        QImage shown = shown_window(panel);
        QPainter cover(&shown);
        cover.fillRect(area, Qt::black);
        cover.end();
        QImage before = border_before;
        QPainter cover_before(&before);
        cover_before.fillRect(area, Qt::black);
        cover_before.end();
        QCOMPARE(shown, before);
    }

    void a_child_of_the_surface_stays_above_the_picture() {
        // The window puts a caption on the reference graph and restacks its
        // controls after making them: the caption must still show.
        QWidget panel;
        panel.resize(kWidth + 20, kWaveHeight + 20);
        auto* surface = new GraphSurfaceWidget(kLightCyan, &panel);
        surface->setGeometry(10, 10, kWidth, kWaveHeight);
        auto* caption = new QLabel(QStringLiteral("Essential Wave"), surface);
        caption->setGeometry(40, 2, 160, 18);
        caption->setAutoFillBackground(true);
        QPalette palette = caption->palette();
        palette.setColor(QPalette::Window, QColor(255, 0, 255));
        caption->setPalette(palette);
        caption->lower();
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        const QRect caption_area = caption->geometry().translated(surface->pos());
        const auto magenta_in = [&](const QImage& image) {
            int count = 0;
            for (int y = caption_area.top(); y <= caption_area.bottom(); ++y) {
                for (int x = caption_area.left(); x <= caption_area.right(); ++x) {
                    count += image.pixel(x, y) == qRgb(255, 0, 255) ? 1 : 0;
                }
            }
            return count;
        };
        QTRY_VERIFY(magenta_in(shown_window(panel)) > 0);
        const int caption_pixels = magenta_in(shown_window(panel));
        // A redraw of the picture under it keeps it on top.
        set_wave_frame(*surface);
        surface->clear();
        surface->set_pen_colour(kBlue);
        surface->line(0.0f, 9.5f, kXEnd, 9.5f);
        QTRY_COMPARE(shown_window(panel).pixel(caption_area.right() + 2, surface->pos().y() + 1 + 1),
                     rgb_of(kBlue));
        QCOMPARE(magenta_in(shown_window(panel)), caption_pixels);
    }

    void picture_painted_before_drawing_is_the_background() {
        auto surface = make_surface(kLightCyan);
        const QImage shown = on_screen(*surface).copy(surface->contentsRect());
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) QCOMPARE(QColor(shown.pixel(x, y)), kLightCyan);
        }
    }

    void picture_follows_a_new_size() {
        auto surface = make_surface();
        set_wave_frame(*surface);
        surface->set_pen_colour(kGreen);
        surface->line(0.0f, 0.0f, kXEnd, 0.0f);
        surface->set_pen_colour(kRed);
        surface->point(kXEnd, 10.0f);
        const QImage small = surface->picture();

        surface->setGeometry(0, 0, kWidth, kSumHeight);
        const QImage tall = surface->picture();
        QCOMPARE(tall.size(), surface->contentsRect().size());
        QCOMPARE(count_in_row(tall, 59, rgb_of(kGreen)), tall.width());  // the axis on the new middle row
        QCOMPARE(tall.pixel(238, 0), rgb_of(kRed));
        QCOMPARE(int(drawn_pixels(tall, kWhite).size()), tall.width() + 1);

        surface->setGeometry(0, 0, kWidth, kWaveHeight);
        QCOMPARE(surface->picture(), small);
    }

    void resizing_between_operations_matches_drawing_at_the_new_size() {
        // A curve half drawn, the surface resized while line_to calls are
        // pending, then finished: the same picture as drawing it all at the
        // new size.
        const auto first_half = [](GraphSurfaceWidget& s) {
            s.set_scale(0.0f, kSumHalf, kXEnd, -kSumHalf);
            s.set_pen_style(PenStyle::dotted);
            s.set_pen_colour(kGreen);
            s.line(kHalfPi, kSumHalf, kHalfPi, -kSumHalf);
            s.set_pen_style(PenStyle::solid);
            s.set_pen_colour(kBlue);
            s.point(0.0f, 12.0f);
            for (int i = 1; i <= 50; ++i) s.line_to(float(i) * 0.0628318f, 12.0f * std::cos(float(i) / 10.0f));
        };
        const auto second_half = [](GraphSurfaceWidget& s) {
            for (int i = 51; i <= 100; ++i) s.line_to(float(i) * 0.0628318f, 12.0f * std::cos(float(i) / 10.0f));
        };
        auto resized = make_surface(kLightYellow, kWaveHeight);
        first_half(*resized);
        resized->setGeometry(0, 0, kWidth, kSumHeight);
        second_half(*resized);

        auto direct = make_surface(kLightYellow, kSumHeight);
        first_half(*direct);
        second_half(*direct);
        QCOMPARE(resized->picture(), direct->picture());
    }

    void looking_at_the_picture_changes_nothing() {
        // A dotted period line continued by a dotted curve, looked at while
        // both are pending: finished, the same picture as never looking.
        const auto start = [](GraphSurfaceWidget& s) {
            set_wave_frame(s);
            s.set_pen_style(PenStyle::dotted);
            s.set_pen_colour(kBlue);
            s.line(kHalfPi, 10.0f, kHalfPi, -10.0f);
        };
        const auto curve = [](GraphSurfaceWidget& s, int from, int to) {
            for (int i = from; i <= to; ++i) {
                s.line_to(kHalfPi + float(i) * 0.0314159f, 9.0f * std::cos(float(i) / 7.0f));
            }
        };
        auto looked_at = make_surface();
        auto never_looked_at = make_surface();
        start(*looked_at);
        start(*never_looked_at);
        const QImage line_only = looked_at->picture();
        QCOMPARE(count_in_column(line_only, 119, rgb_of(kBlue)), 21);  // rows 0, 3, .. 60
        curve(*looked_at, 1, 50);
        curve(*never_looked_at, 1, 50);
        const QImage half = looked_at->picture();
        QCOMPARE(looked_at->picture(), half);
        curve(*looked_at, 51, 100);
        curve(*never_looked_at, 51, 100);
        QCOMPARE(looked_at->picture(), never_looked_at->picture());
        QVERIFY(looked_at->picture() != half);
    }

    // ---- through the core -----------------------------------------------------

    void component_graph_drawn_by_the_core() {
        // Start-up values, with component A = 5 cos x over three periods.
        Parameters params;
        params.pi_value = 3.14159;
        params.y_max = 10;
        params.t_span = 3.0f;
        params.h_ratio = 1815.0f / 975.0f;
        params.wave_last = 3;
        params.wave_cos = {true, true, true, true, false};
        params.wave_a[0] = 50;
        params.wave_f[0] = 10;
        params.std_a = 10;
        params.std_f = 10.0f;
        params.std_cos = true;

        auto surface = make_surface();
        wave_frame(*surface, params);
        surface->clear();
        draw_grid(*surface, params, wave_half_height(params));
        surface->set_pen_colour(wave_colour);
        std::vector<QPointF> samples;
        sample_loop(*surface, params, [&](double x) {
            const double y = component_value(params, 0, x);
            samples.emplace_back(double(float(x)), double(float(y)));  // as the surface receives them
            return y;
        });

        const QImage picture = surface->picture();
        QCOMPARE(picture.size(), QSize(239, 63));
        const QRgb red = rgb_of(wave_colour);
        const QRgb green = rgb_of(grid_colour);
        const double x_end = waves::x_end(params);  // 18.84954
        const auto row_of = [](double y) { return (10.0 - y) / 20.0 * 63.0; };
        const int axis_row = 31;
        const int period_columns[] = {79, 159};  // x = 6.28318 and 12.56636

        for (int x = 0; x < picture.width(); ++x) {
            // The curve's rows across this column, from 5 cos x at its edges
            // and any extreme inside it, widened by a pixel either way.
            const double x0 = x / 239.0 * x_end;
            const double x1 = (x + 1) / 239.0 * x_end;
            double low = std::min(row_of(5 * std::cos(x0)), row_of(5 * std::cos(x1)));
            double high = std::max(row_of(5 * std::cos(x0)), row_of(5 * std::cos(x1)));
            for (double peak = 0.0; peak <= x_end; peak += 3.14159) {
                if (peak >= x0 && peak <= x1) {
                    low = std::min(low, row_of(5 * std::cos(peak)));
                    high = std::max(high, row_of(5 * std::cos(peak)));
                }
            }
            bool red_in_column = false;
            for (int y = 0; y < picture.height(); ++y) {
                const QRgb pixel = picture.pixel(x, y);
                if (pixel == red) {
                    red_in_column = true;
                    QVERIFY2(y >= std::floor(low) - 1 && y <= std::floor(high) + 1,
                             qPrintable(QString("red at %1, %2, curve spans rows %3..%4").arg(x).arg(y).arg(low).arg(high)));
                } else if (pixel == green) {
                    const bool on_grid = y == axis_row || x == period_columns[0] || x == period_columns[1];
                    QVERIFY2(on_grid, qPrintable(QString("green off the grid at %1, %2").arg(x).arg(y)));
                } else {
                    QCOMPARE(QColor(pixel), kWhite);
                }
            }
            QVERIFY2(red_in_column, qPrintable(QString("no curve in column %1").arg(x)));
        }
        // The axis: green across, except where the curve crosses it.
        QVERIFY(count_in_row(picture, axis_row, green) >= picture.width() - 12);
        QCOMPARE(count_in_row(picture, axis_row, green) + count_in_row(picture, axis_row, red), picture.width());
        // The period lines: dotted, over the full height.
        for (int column : period_columns) {
            QVERIFY(count_in_column(picture, column, green) >= 15);
            QVERIFY(count_in_column(picture, column, kWhite.rgb()) >= 15);
            QCOMPARE(longest_run_in_column(picture, column, green, axis_row), 1);
        }
        // Every sample's own pixel is on the curve, the last one (at x_end,
        // the right edge) in the last column; the first, 5 cos 0 = 5, is row 15.
        QCOMPARE(int(samples.size()), 401);
        for (const QPointF& sample : samples) {
            const int column = std::min(238, int(std::floor(sample.x() / double(float(x_end)) * 239.0)));
            const int row = int(std::floor(row_of(sample.y())));
            QVERIFY2(picture.pixel(column, row) == red,
                     qPrintable(QString("sample x = %1 is missing at %2, %3").arg(sample.x()).arg(column).arg(row)));
        }
        QCOMPARE(picture.pixel(0, 15), red);
    }
};

}  // namespace waves

QTEST_MAIN(waves::GraphSurfaceWidgetTest)
#include "graph_surface_widget_test.moc"
