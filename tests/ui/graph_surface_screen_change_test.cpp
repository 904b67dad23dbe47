// The graph surface keeps its picture when its window moves to a screen
// with another device pixel ratio: the picture is rendered again at the new
// resolution, pixel for pixel as if it had been drawn there, and comes back
// unchanged on the first screen.
//
// The offscreen platform is given two screens side by side, "one" at a ratio
// of 1 and "two" at a ratio of 2, through its configuration file.
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <cmath>
#include <memory>

#include "ui/graph_surface_widget.h"

namespace waves {

namespace {

constexpr float kXEnd = 6.28318f;
const QColor kLightCyan(192, 255, 255);

// A reference-wave graph: a dotted period line, the axis and a curve.
void draw_graph(GraphSurfaceWidget& surface) {
    surface.set_scale(0.0f, 10.0f, 2.0f * kXEnd, -10.0f);
    surface.clear();
    surface.set_pen_style(PenStyle::dotted);
    surface.set_pen_colour({0, 255, 0});
    surface.line(kXEnd, 10.0f, kXEnd, -10.0f);
    surface.set_pen_style(PenStyle::solid);
    surface.line(0.0f, 0.0f, 2.0f * kXEnd, 0.0f);
    surface.set_pen_colour({255, 0, 0});
    surface.point(0.0f, 8.0f);
    for (int i = 1; i <= 400; ++i) {
        const double x = 2.0 * double(kXEnd) * i / 400.0;
        surface.line_to(float(x), float(8.0 * std::cos(2.0 * x)));
    }
}

std::unique_ptr<GraphSurfaceWidget> shown_surface() {
    auto surface = std::make_unique<GraphSurfaceWidget>(kLightCyan);
    surface->setGeometry(20, 20, 241, 65);
    surface->show();
    return surface;
}

bool move_to(GraphSurfaceWidget& surface, QScreen* screen, qreal ratio) {
    surface.windowHandle()->setScreen(screen);
    return QTest::qWaitFor([&] { return surface.devicePixelRatioF() == ratio; });
}

}  // namespace

class GraphSurfaceScreenChangeTest : public QObject {
    Q_OBJECT

public:
    // Runs before the application exists: describe the two screens.
    static void initMain() {
        static QTemporaryDir directory;
        const QString path = directory.filePath("screens.json");
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(path));
        file.write(R"({"screens": [
            {"name": "one", "x": 0, "y": 0, "width": 800, "height": 600, "dpr": 1},
            {"name": "two", "x": 800, "y": 0, "width": 800, "height": 600, "dpr": 2}]})");
        file.close();
        qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + path).toLocal8Bit());
        qputenv("QT_SCALE_FACTOR", "1");
    }

private slots:
    void initTestCase() {
        const auto screens = QGuiApplication::screens();
        QCOMPARE(screens.size(), 2);
        QCOMPARE(screens[0]->devicePixelRatio(), 1.0);
        QCOMPARE(screens[1]->devicePixelRatio(), 2.0);
    }

    void picture_follows_the_screen_ratio() {
        QScreen* one = QGuiApplication::screens()[0];
        QScreen* two = QGuiApplication::screens()[1];
        auto moved = shown_surface();
        QVERIFY(QTest::qWaitForWindowExposed(moved.get()));
        QVERIFY(move_to(*moved, one, 1.0));
        draw_graph(*moved);
        const QImage on_one = moved->picture();
        QCOMPARE(on_one.size(), QSize(239, 63));

        QVERIFY(move_to(*moved, two, 2.0));
        // What the screen shows now: painted at the new ratio with no drawing call.
        const QImage shown = moved->grab().toImage();
        const QImage on_two = moved->picture();
        QCOMPARE(on_two.size(), QSize(478, 126));
        QCOMPARE(on_two.devicePixelRatio(), 2.0);
        const QRect device_area(moved->contentsRect().topLeft() * 2, on_two.size());
        QCOMPARE(shown.copy(device_area).convertToFormat(on_two.format()), on_two);
        // The axis, one device pixel thick on the row below the middle.
        int axis = 0;
        for (int x = 0; x < on_two.width(); ++x) axis += on_two.pixel(x, 63) == qRgb(0, 255, 0) ? 1 : 0;
        QVERIFY(axis > on_two.width() - 10);
        QVERIFY(on_two.pixel(100, 62) != qRgb(0, 255, 0) && on_two.pixel(100, 64) != qRgb(0, 255, 0));

        // The same as drawing the graph on that screen in the first place.
        auto direct = shown_surface();
        QVERIFY(QTest::qWaitForWindowExposed(direct.get()));
        QVERIFY(move_to(*direct, two, 2.0));
        draw_graph(*direct);
        QCOMPARE(direct->picture(), on_two);

        // Back on the first screen, the first picture again.
        QVERIFY(move_to(*moved, one, 1.0));
        QCOMPARE(moved->picture(), on_one);
    }

    void hidden_picture_follows_the_screen_ratio() {
        // Moved while hidden, the surface gets no paint and no resize:
        // picture() alone renders it at the new ratio.
        auto hidden = std::make_unique<GraphSurfaceWidget>(kLightCyan);
        hidden->setGeometry(20, 20, 241, 65);
        hidden->winId();  // a window of its own, never shown
        QVERIFY(move_to(*hidden, QGuiApplication::screens()[0], 1.0));
        draw_graph(*hidden);
        QCOMPARE(hidden->picture().size(), QSize(239, 63));
        QVERIFY(move_to(*hidden, QGuiApplication::screens()[1], 2.0));
        const QImage on_two = hidden->picture();

        auto direct = shown_surface();
        QVERIFY(QTest::qWaitForWindowExposed(direct.get()));
        QVERIFY(move_to(*direct, QGuiApplication::screens()[1], 2.0));
        draw_graph(*direct);
        QCOMPARE(on_two.size(), QSize(478, 126));
        QCOMPARE(on_two, direct->picture());
    }
};

}  // namespace waves

QTEST_MAIN(waves::GraphSurfaceScreenChangeTest)
#include "graph_surface_screen_change_test.moc"
