// The real window at values far beyond what a lesson needs: a span of tens
// of thousands of periods, past the 16384 up to which 16-bit period
// counters would be right, and component frequencies of a million tenths
// and more, past 32 bits of tenths.
//
// Stepping there one click at a time would take tens of thousands of full
// redraws, so the value is set one step short through the window's form
// and the last step is a real click on the arrow, which runs the handler,
// its label and its redraws as a user's click does.
#include <QPushButton>
#include <QtTest>

#include <cmath>
#include <cstdint>
#include <set>

#include "core/app/form.h"
#include "layout/layout_table.h"
#include "ui/appearance.h"
#include "ui/graph_surface_widget.h"
#include "ui/main_window.h"
#include "ui/spin_button.h"
#include "tests/ui/window_driver.h"

namespace waves {

using window_driver::Arrow;
using window_driver::click_arrow;
using window_driver::control;
using window_driver::label_text;
using window_driver::open_window;

namespace {

bool is_colour(QRgb pixel, int red, int green, int blue) {
    return qRed(pixel) == red && qGreen(pixel) == green && qBlue(pixel) == blue;
}

// The columns of the picture in which the grid's period lines must lie:
// each line's x mapped to a column as the surface maps it (the frame runs
// from 0 to x_end across the full width; the right edge belongs to the
// last column).
std::set<int> expected_columns(const Parameters& params, int width) {
    const auto x_end = static_cast<float>(params.pi_value * static_cast<double>(2.0f * params.t_span));
    const auto periods = static_cast<std::int64_t>(params.t_span);
    std::set<int> columns;
    for (std::int64_t k = 1; k <= periods - 1; ++k) {
        const auto x = static_cast<float>(params.pi_value * static_cast<double>(2 * k));
        const double u = static_cast<double>(x) / static_cast<double>(x_end) * width;
        columns.insert(std::min(static_cast<int>(std::floor(u)), width - 1));
    }
    return columns;
}

// The columns that show a period line: green pixels away from the axis,
// which is solid green across the middle row (the curves are red or blue).
std::set<int> period_line_columns(const QImage& picture) {
    const int axis = picture.height() / 2;
    std::set<int> columns;
    for (int x = 0; x < picture.width(); ++x) {
        for (int y = 0; y < picture.height(); ++y) {
            if (y >= axis - 1 && y <= axis + 1) continue;
            if (is_colour(picture.pixel(x, y), 0, 255, 0)) {
                columns.insert(x);
                break;
            }
        }
    }
    return columns;
}

// Red pixels of the picture more than a row away from the axis.
int red_off_axis(const QImage& picture) {
    const int axis = picture.height() / 2;
    int count = 0;
    for (int y = 0; y < picture.height(); ++y) {
        if (y >= axis - 1 && y <= axis + 1) continue;
        for (int x = 0; x < picture.width(); ++x) count += is_colour(picture.pixel(x, y), 255, 0, 0) ? 1 : 0;
    }
    return count;
}

QString describe(const std::set<int>& columns) {
    QStringList text;
    for (const int c : columns) text << QString::number(c);
    return QString::number(columns.size()) + " columns {" + text.join(',') + "}";
}

}  // namespace

class ExtremeValuesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { install_font_substitutes(); }
    void init() { QVERIFY(open_window(window)); }
    void cleanup() { window.reset(); }

    void span_far_past_16384_draws_every_period_line_data();
    void span_far_past_16384_draws_every_period_line();
    void component_frequency_of_a_million_tenths_and_more_data();
    void component_frequency_of_a_million_tenths_and_more();

private:
    // The window's own form: it is only handed out as const.
    Form& form() { return window->form(); }
    void expect_period_lines(const QString& when);

    std::unique_ptr<MainWindow> window;
};

void ExtremeValuesTest::expect_period_lines(const QString& when) {
    for (const ControlSpec& graph : window_layout()) {
        if (graph.kind != ControlKind::graph_surface) continue;
        const QImage picture = control<GraphSurfaceWidget>(*window, graph.name).picture();
        const std::set<int> expected = expected_columns(window->form().params, picture.width());
        const std::set<int> shown = period_line_columns(picture);
        QVERIFY2(shown == expected, qPrintable(QStringLiteral("%1, %2: period lines in %3, expected in %4")
                                                   .arg(when, QString::fromStdString(graph.name), describe(shown),
                                                        describe(expected))));
    }
}

void ExtremeValuesTest::span_far_past_16384_draws_every_period_line_data() {
    QTest::addColumn<int>("span");
    QTest::newRow("100 periods, fewer than columns") << 100;
    QTest::newRow("16385 periods") << 16385;
    QTest::newRow("40000 periods") << 40000;
    QTest::newRow("100000 periods") << 100000;
}

void ExtremeValuesTest::span_far_past_16384_draws_every_period_line() {
    QFETCH(int, span);
    // W = cos x as at start; A = 3 cos x, so A's graph has a curve too.
    for (int n = 0; n < 3; ++n) click_arrow(*window, "SpinButton3(0)", Arrow::upper);
    click_arrow(*window, "SpinButton4(0)", Arrow::upper);

    form().params.t_span = static_cast<float>(span - 1);
    click_arrow(*window, "SpinButton11", Arrow::upper);
    QCOMPARE(window->form().params.t_span, static_cast<float>(span));
    QCOMPARE(label_text(*window, "labelt"), QString::number(span));
    if (span < 1000) {
        // The check itself tells lines apart: fewer lines than columns.
        const int width = control<GraphSurfaceWidget>(*window, "Grph(0)").picture().width();
        QVERIFY(expected_columns(window->form().params, width).size() == static_cast<std::size_t>(span - 1));
    }
    expect_period_lines(QStringLiteral("t=%1").arg(span));
    QVERIFY2(red_off_axis(control<GraphSurfaceWidget>(*window, "std_grph").picture()) > 0, "W's curve is not drawn");
    QVERIFY2(red_off_axis(control<GraphSurfaceWidget>(*window, "Grph(0)").picture()) > 0, "A's curve is not drawn");

    click_arrow(*window, "SpinButton11", Arrow::lower);
    QCOMPARE(label_text(*window, "labelt"), QString::number(span - 1));
    expect_period_lines(QStringLiteral("t=%1").arg(span - 1));

    QTest::mouseClick(&control<QPushButton>(*window, "Command1"), Qt::LeftButton);
    QCOMPARE(label_text(*window, "labelt"), QStringLiteral("1"));
    expect_period_lines(QStringLiteral("after RESET"));
    QVERIFY(period_line_columns(control<GraphSurfaceWidget>(*window, "Gr").picture()).empty());
}

void ExtremeValuesTest::component_frequency_of_a_million_tenths_and_more_data() {
    QTest::addColumn<qint64>("tenths");
    QTest::addColumn<QString>("text");
    QTest::newRow("a million tenths") << qint64{1'000'000} << QStringLiteral("100000");
    QTest::newRow("past 31 bits") << qint64{2'147'483'650} << QStringLiteral("214748365");
    QTest::newRow("past 32 bits, with a tenth") << qint64{4'294'967'301} << QStringLiteral("429496730.1");
    QTest::newRow("ten million million tenths") << qint64{10'000'000'000'000} << QStringLiteral("1000000000000");
    QTest::newRow("fifteen digits") << qint64{1'000'000'000'000'000} << QStringLiteral("100000000000000");
}

void ExtremeValuesTest::component_frequency_of_a_million_tenths_and_more() {
    QFETCH(qint64, tenths);
    QFETCH(QString, text);
    // A = 5 (five clicks of 1.0), then the frequency one step of 1.0 short.
    for (int n = 0; n < 5; ++n) click_arrow(*window, "SpinButton3(0)", Arrow::upper);
    form().params.wave_f[0] = tenths - 10;
    click_arrow(*window, "SpinButton4(0)", Arrow::upper);
    QCOMPARE(window->form().params.wave_f[0], tenths);
    QCOMPARE(label_text(*window, "Labelb(0)"), text);
    QCOMPARE(label_text(*window, "Labela(0)"), QStringLiteral("5"));

    // Sampled 400 times across the graph, the curve is aliased, as any
    // sampling must be, but it is drawn: A and A' show red away from the
    // axis, and E (blue) follows A.
    const QImage a = control<GraphSurfaceWidget>(*window, "Grph(0)").picture();
    QVERIFY2(red_off_axis(a) > 0, "A's curve is not drawn");
    QVERIFY2(red_off_axis(control<GraphSurfaceWidget>(*window, "m_grph(0)").picture()) > 0, "A' is not drawn");
    const QImage e = control<GraphSurfaceWidget>(*window, "Gr").picture();
    int blue = 0;
    for (int y = 0; y < e.height(); ++y) {
        if (y == e.height() / 2) continue;
        for (int x = 0; x < e.width(); ++x) blue += is_colour(e.pixel(x, y), 0, 0, 255) ? 1 : 0;
    }
    QVERIFY2(blue > 0, "E is not drawn");

    // Down again by one step: exact too.
    click_arrow(*window, "SpinButton4(0)", Arrow::lower);
    QCOMPARE(window->form().params.wave_f[0], tenths - 10);
    QCOMPARE(label_text(*window, "Labelb(0)"), QString::number(static_cast<double>(tenths - 10) / 10.0, 'g', 15));
}

}  // namespace waves

QTEST_MAIN(waves::ExtremeValuesTest)
#include "extreme_values_test.moc"
