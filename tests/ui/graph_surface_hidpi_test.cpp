// The on-screen graph surface at a device pixel ratio of 2: the picture has
// twice the pixels each way, and every line is one device pixel wide, drawn
// at that resolution (not a 1x picture enlarged).
//
// A 241 x 65 surface has a 239 x 63 logical area inside its border, so a
// 478 x 126 picture; a point lands in column floor(u x 478) and row
// floor(v x 126), where u and v run from 0 to 1 across the scale.
#include <QTest>

#include <cmath>
#include <memory>
#include <vector>

#include "ui/graph_surface_widget.h"

namespace waves {

namespace {

constexpr float kXEnd = 6.28318f;
constexpr float kHalfPi = 3.14159f;
constexpr Rgb kRed{255, 0, 0};
constexpr QRgb kRedPixel = qRgb(255, 0, 0);
const QColor kWhite(255, 255, 255);

std::unique_ptr<GraphSurfaceWidget> make_surface() {
    auto surface = std::make_unique<GraphSurfaceWidget>(kWhite);
    surface->setGeometry(0, 0, 241, 65);
    surface->set_scale(0.0f, 10.0f, kXEnd, -10.0f);
    surface->set_pen_colour(kRed);
    return surface;
}

std::vector<QPoint> drawn_pixels(const QImage& picture) {
    std::vector<QPoint> drawn;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.pixel(x, y) != kWhite.rgb()) drawn.emplace_back(x, y);
        }
    }
    return drawn;
}

}  // namespace

class GraphSurfaceHiDpiTest : public QObject {
    Q_OBJECT

public:
    // Runs before the application exists: every screen gets a ratio of 2.
    static void initMain() { qputenv("QT_SCALE_FACTOR", "2"); }

private slots:
    void initTestCase() { QCOMPARE(qApp->devicePixelRatio(), 2.0); }

    void picture_has_twice_the_pixels() {
        auto surface = make_surface();
        const QImage picture = surface->picture();
        QCOMPARE(picture.size(), QSize(478, 126));
        QCOMPARE(picture.size(), surface->contentsRect().size() * 2);
        QCOMPARE(picture.devicePixelRatio(), 2.0);
        QCOMPARE(picture.deviceIndependentSize(), QSizeF(surface->contentsRect().size()));
        QCOMPARE(surface->surface_height(), 65.0);  // logical, border included
    }

    void horizontal_line_is_one_device_pixel_thick_data() {
        QTest::addColumn<float>("y");
        QTest::addColumn<int>("row");
        QTest::newRow("axis") << 0.0f << 63;       // exactly on a boundary: the row below
        QTest::newRow("y = 5") << 5.0f << 31;      // 31.5
        QTest::newRow("y = -5") << -5.0f << 94;    // 94.5
        QTest::newRow("top edge") << 10.0f << 0;
        QTest::newRow("bottom edge") << -10.0f << 125;
    }
    void horizontal_line_is_one_device_pixel_thick() {
        QFETCH(float, y);
        QFETCH(int, row);
        auto surface = make_surface();
        surface->line(0.0f, y, kXEnd, y);
        const QImage picture = surface->picture();
        const auto drawn = drawn_pixels(picture);
        QCOMPARE(int(drawn.size()), picture.width());  // every column once
        for (const QPoint& p : drawn) {
            QCOMPARE(p.y(), row);
            QCOMPARE(picture.pixel(p), kRedPixel);
        }
    }

    void vertical_line_is_one_device_pixel_thick() {
        auto surface = make_surface();
        surface->line(kHalfPi, 10.0f, kHalfPi, -10.0f);
        const QImage picture = surface->picture();
        const auto drawn = drawn_pixels(picture);
        QCOMPARE(int(drawn.size()), picture.height());
        for (const QPoint& p : drawn) QCOMPARE(p.x(), 239);  // 0.5 x 478
    }

    void point_sets_one_device_pixel() {
        auto surface = make_surface();
        surface->point(kHalfPi, 5.0f);
        const auto drawn = drawn_pixels(surface->picture());
        QCOMPARE(int(drawn.size()), 1);
        QCOMPARE(drawn.front(), QPoint(239, 31));
    }

    void dots_are_device_pixels() {
        auto surface = make_surface();
        surface->set_pen_style(PenStyle::dotted);
        surface->line(kHalfPi, 10.0f, kHalfPi, -10.0f);
        const QImage picture = surface->picture();
        int dots = 0;
        for (int y = 0; y < picture.height(); ++y) {
            const bool dot = picture.pixel(239, y) == kRedPixel;
            dots += dot ? 1 : 0;
            if (dot && y > 0) QVERIFY2(picture.pixel(239, y - 1) != kRedPixel, "two dots touch");
        }
        QCOMPARE(dots, 42);  // one device pixel in three
    }

    void screen_shows_the_picture_pixel_for_pixel() {
        auto surface = make_surface();
        surface->show();
        QVERIFY(QTest::qWaitForWindowExposed(surface.get()));
        surface->point(0.0f, 10.0f);
        for (int i = 1; i <= 200; ++i) {
            const float x = kXEnd * float(i) / 200.0f;
            surface->line_to(x, 7.0f * std::sin(3.0f * x));
        }
        const QImage picture = surface->picture();

        const QPixmap shown = surface->grab();
        QCOMPARE(shown.devicePixelRatio(), 2.0);
        const QRect device_area(surface->contentsRect().topLeft() * 2, picture.size());
        const QImage painted = shown.toImage().copy(device_area).convertToFormat(picture.format());
        QCOMPARE(painted.size(), picture.size());
        // Exactly the same device pixels: nothing was scaled or smoothed.
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                QVERIFY2(painted.pixel(x, y) == picture.pixel(x, y),
                         qPrintable(QString("painted pixel %1, %2 differs").arg(x).arg(y)));
            }
        }
        // And the curve is thin: no column holds a block of red two pixels
        // wide, as an enlarged 1x picture would.
        int doubled_columns = 0;
        for (int x = 0; x + 1 < picture.width(); x += 2) {
            bool same = true;
            for (int y = 0; y < picture.height() && same; ++y) same = picture.pixel(x, y) == picture.pixel(x + 1, y);
            doubled_columns += same ? 1 : 0;
        }
        QVERIFY2(doubled_columns < picture.width() / 4,
                 qPrintable(QString("%1 column pairs are identical").arg(doubled_columns)));
    }
};

}  // namespace waves

QTEST_MAIN(waves::GraphSurfaceHiDpiTest)
#include "graph_surface_hidpi_test.moc"
