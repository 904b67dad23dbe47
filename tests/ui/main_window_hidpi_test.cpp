// The whole window on a screen with a device pixel ratio of 2, as on a
// high-resolution projector: every graph's picture has twice the pixels
// each way with one-device-pixel lines, and text is drawn at the doubled
// resolution too.
#include <QLabel>
#include <QtTest>

#include "ui/appearance.h"
#include "ui/graph_surface_widget.h"
#include "ui/main_window.h"

namespace waves {

class MainWindowHiDpiTest : public QObject {
    Q_OBJECT

public:
    // Runs before the application exists: every screen gets a ratio of 2.
    static void initMain() { qputenv("QT_SCALE_FACTOR", "2"); }

private slots:
    void initTestCase() {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        install_font_substitutes();
    }

    void every_graph_is_drawn_at_twice_the_resolution() {
        MainWindow window;
        const auto surfaces = window.findChildren<GraphSurfaceWidget*>();
        QCOMPARE(surfaces.size(), 11);
        for (const GraphSurfaceWidget* surface : surfaces) {
            const QImage picture = surface->picture();
            QCOMPARE(picture.devicePixelRatio(), 2.0);
            QCOMPARE(picture.size(), surface->contentsRect().size() * 2);
        }
    }

    void the_start_curve_is_one_device_pixel_thick() {
        // At start every component is 0: A's red curve lies on the axis,
        // one device row high in every column it reaches.
        MainWindow window;
        const QImage picture = window.findChild<GraphSurfaceWidget*>("Grph(0)")->picture();
        for (int x = 0; x < picture.width() - 2; ++x) {
            int red_rows = 0;
            for (int y = 0; y < picture.height(); ++y) red_rows += picture.pixel(x, y) == qRgb(255, 0, 0);
            QCOMPARE(red_rows, 1);
        }
    }

    void text_is_rendered_at_twice_the_resolution() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* label = window.findChild<QLabel*>("Label15");
        const QPixmap rendered = label->grab();
        QCOMPARE(rendered.devicePixelRatio(), 2.0);
        QCOMPARE(rendered.size(), label->size() * 2);
        // The capitals cover about twice their logical height in device rows
        // (a 1x rendering scaled up would be blocky, but a 1x rendering not
        // scaled would cover only its cap height).
        const QImage image = rendered.toImage();
        int inked_rows = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qGray(image.pixel(x, y)) < 100) {
                    ++inked_rows;
                    break;
                }
            }
        }
        const double cap_height = QFontMetricsF(label->font()).capHeight();
        QVERIFY2(inked_rows >= 1.8 * cap_height, qPrintable(QStringLiteral("%1 rows, cap height %2")
                                                                 .arg(inked_rows)
                                                                 .arg(cap_height)));
    }
};

}  // namespace waves

QTEST_MAIN(waves::MainWindowHiDpiTest)
#include "main_window_hidpi_test.moc"
