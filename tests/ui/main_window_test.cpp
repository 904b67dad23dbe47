// The window as built from the layout: geometry, captions, colours, start
// state, and clicks on real widgets reaching the handlers.
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <variant>

#include "core/app/lesson_state_text.h"
#include "layout/layout_table.h"
#include "ui/appearance.h"
#include "ui/graph_surface_widget.h"
#include "ui/main_window.h"
#include "ui/spin_button.h"
#include "ui/window_binding.h"
#include "tests/ui/window_driver.h"

namespace waves {

namespace {

int pixels(int twips) { return qRound(twips / static_cast<double>(kTwipsPerPixel)); }

QRect pixels(const TwipRect& twips) {
    return {pixels(twips.left), pixels(twips.top), pixels(twips.width), pixels(twips.height)};
}

// Where the widget lies in the window, in pixels.
QRect window_rect_of(const QWidget& widget, const QWidget& window) {
    return {widget.mapTo(&window, QPoint(0, 0)), widget.size()};
}

QString text_of(const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

template <typename Widget = QWidget>
Widget* control(const MainWindow& window, const QString& name) {
    auto* widget = window.findChild<Widget*>(name);
    if (widget == nullptr) qWarning() << "no control" << name;
    return widget;
}

QColor background_of(const QWidget* widget) { return widget->palette().color(widget->backgroundRole()); }

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { install_font_substitutes(); }
    void init() { window = std::make_unique<MainWindow>(); }
    void cleanup() { window.reset(); }

    void every_control_sits_where_the_layout_puts_it();
    void the_bands_graphs_and_controls_lie_where_the_design_puts_them();
    void window_has_its_caption_fixed_size_and_grey_background();
    void captions_fonts_and_colours_follow_the_layout();
    void start_state_shows_start_values_and_selections();
    void a_lesson_shows_its_values_selections_and_descriptions();
    void the_key_m_and_m_1_draw_the_means_into_the_products_pictures();
    void lower_bands_lie_above_the_bands_over_them();
    void step_groups_lie_above_the_panel_and_take_clicks();
    void upper_and_lower_half_of_a_spin_button_step_up_and_down();
    void option_buttons_run_their_handlers_when_selected();
    void reset_and_span_arrows_reach_the_handlers();
    void clicks_redraw_the_pictures_as_the_handlers_say();
    void h_ratio_is_measured_from_the_real_graphs();
    void focus_follows_the_tab_indices();
    void a_layout_that_does_not_fit_stops_start_up_naming_the_control_data();
    void a_layout_that_does_not_fit_stops_start_up_naming_the_control();

private:
    std::unique_ptr<MainWindow> window;
};

void MainWindowTest::every_control_sits_where_the_layout_puts_it() {
    const std::vector<ControlSpec>& layout = window_layout();
    for (int index = 0; index < static_cast<int>(layout.size()); ++index) {
        const QString name = QString::fromStdString(layout[static_cast<std::size_t>(index)].name);
        QWidget* widget = control(*window, name);
        QVERIFY2(widget != nullptr, qPrintable(name));
        const QRect actual = window_rect_of(*widget, *window);
        const QRect expected = pixels(window_rect(layout, index));
        QVERIFY2(actual == expected, qPrintable(name + " at " + text_of(actual) + ", expected " + text_of(expected)));
        // Nothing reaches out of its container, where it would be cut off.
        QVERIFY2(widget->parentWidget()->rect().contains(widget->geometry()), qPrintable(name + " sticks out"));
    }
}

// Spot checks worked out from the window's design, not read from the table:
// the bands A, B, C, D start at 1080 twips, one every 960 twips, and the
// sums' band below them at 4920; every graph lies 120 twips into its band,
// 3615 twips wide, the left ones at 240 and the right ones at 5880; a
// band's panel starts at 3840, and its arrows 720 twips into it.
void MainWindowTest::the_bands_graphs_and_controls_lie_where_the_design_puts_them() {
    const struct {
        const char* name;
        int left, top, width, height;  // twips in the window
    } spots[] = {
        {"Frame13", 3840, 0, 5895, 1095},  // the reference band, top right
        {"Frame5", 0, 1080, 9735, 1095},
        {"Frame8", 0, 1080 + 3 * 960, 9735, 1095},
        {"Frame9", 0, 4920, 9735, 1935},
        {"std_grph", 5880, 120, 3615, 975},
        {"Grph(0)", 240, 1080 + 120, 3615, 975},
        {"m_grph(2)", 5880, 1080 + 2 * 960 + 120, 3615, 975},
        {"Gr", 240, 4920 + 120, 3615, 1815},
        {"m_gr", 5880, 4920 + 120, 3615, 1815},
        {"SpinButton3(1)", 3840 + 720, 2040 + 120, 255, 375},
        {"SpinButton4(3)", 3840 + 720, 3960 + 600, 255, 375},
        {"SpinButton1", 3840 + 720, 120, 255, 375},
        {"SpinButton11", 3840 + 720, 4920 + 120, 255, 375},
        {"switch_s(1)", 3840 + 1080 + 120, 2040 + 120 + 480, 615, 195},  // in the cos/sin frame
        {"Labela(3)", 3840 + 360, 3960 + 240, 255, 255},
        {"Label5(1)", 9480, 3960 + 480, 255, 255},        // D' at the right edge
        {"Label6(2)", 3840 + 5610, 480, 255, 255},        // W
        {"Label15", 5880 + 480, 120, 2535, 255},          // "Essential Wave", on W's graph
        {"Option7", 3960 + 120, 4920 + 600 + 720, 615, 210},  // "step a" 0.2
        {"Command1", 3840 + 1080, 4920 + 240, 855, 255},
    };
    // Six bands; in W's band 12 controls, in each of A to D 14, in the sums' 19.
    QCOMPARE(window_layout().size(), std::size_t{6 + 12 + 4 * 14 + 19});
    for (const auto& spot : spots) {
        QWidget* widget = control(*window, spot.name);
        QVERIFY2(widget != nullptr, spot.name);
        const QRect actual = window_rect_of(*widget, *window);
        const QRect expected = pixels(TwipRect{spot.left, spot.top, spot.width, spot.height});
        QVERIFY2(actual == expected,
                 qPrintable(QString(spot.name) + " at " + text_of(actual) + ", expected " + text_of(expected)));
    }
}

void MainWindowTest::window_has_its_caption_fixed_size_and_grey_background() {
    QCOMPARE(window->windowTitle(), QStringLiteral("波の合成と積"));
    QCOMPARE(window->size(), QSize(656, 460));
    QCOMPARE(window->minimumSize(), window->maximumSize());  // not resizable
    QCOMPARE(background_of(window.get()), QColor(192, 192, 192));
}

void MainWindowTest::captions_fonts_and_colours_follow_the_layout() {
    const struct {
        const char* name;
        const char* caption;
    } labels[] = {{"Label15", "Essential Wave"}, {"Label6(2)", "W"}, {"Label18", "f="}, {"Label17", "a="},
                  {"Label1", "t="},  {"Label6(0)", "E"}, {"Label6(1)", "E'"}, {"Label2(0)", "A"},
                  {"Label2(1)", "A'"}, {"Label5(1)", "D'"}, {"Label9", "a="}, {"Label14", "f="}};
    for (const auto& l : labels) QCOMPARE(control<QLabel>(*window, l.name)->text(), QString::fromUtf8(l.caption));
    QCOMPARE(control<QPushButton>(*window, "Command1")->text(), QStringLiteral("RESET"));
    QCOMPARE(control<QGroupBox>(*window, "Frame11")->title(), QStringLiteral("step a"));
    QCOMPARE(control<QGroupBox>(*window, "Frame12")->title(), QStringLiteral("step n"));
    const char* step_captions[] = {"1", "0.5", "0.2", "0.1"};
    for (int n = 0; n < 4; ++n) {
        QCOMPARE(control<QRadioButton>(*window, QStringLiteral("Option%1").arg(n + 1))->text(),
                 QString(step_captions[n]));
        QCOMPARE(control<QRadioButton>(*window, QStringLiteral("Option%1").arg(n + 5))->text(),
                 QString(step_captions[n]));
    }
    QCOMPARE(control<QRadioButton>(*window, "switch_c(2)")->text(), QStringLiteral("cos"));
    QCOMPARE(control<QRadioButton>(*window, "Option10")->text(), QStringLiteral("sin"));

    const QColor red(255, 0, 0);
    for (const char* name : {"Labela(1)", "Labelb(3)", "value_std_a", "value_std_b", "labelt", "Label3(0)",
                             "Label6(1)"}) {
        QCOMPARE(control(*window, name)->palette().color(QPalette::WindowText), red);
    }
    QCOMPARE(background_of(control(*window, "Frame13")), QColor(192, 255, 192));
    QCOMPARE(background_of(control(*window, "value_std_a")), QColor(192, 255, 192));
    QCOMPARE(background_of(control(*window, "Frame10(1)")), QColor(255, 255, 192));
    QCOMPARE(background_of(control(*window, "Frame11")), QColor(255, 192, 255));
    QCOMPARE(background_of(control(*window, "Option5")), QColor(255, 192, 255));
    QCOMPARE(background_of(control(*window, "switch_s(3)")), QColor(255, 255, 192));
    QCOMPARE(background_of(control(*window, "Frame_a")), QColor(192, 192, 192));
    QCOMPARE(background_of(control(*window, "Labela(0)")), QColor(192, 192, 192));
    QVERIFY(!control(*window, "Label15")->autoFillBackground());  // the plot shows through

    QVERIFY(control(*window, "Label17")->font().italic());
    QVERIFY(!control(*window, "labelt")->font().italic());
    QVERIFY(control(*window, "Label2(0)")->font().bold());
    QCOMPARE(control(*window, "Option1")->font().pixelSize(), 11);
    QCOMPARE(control<QLabel>(*window, "value_std_a")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    QCOMPARE(control<QLabel>(*window, "Label15")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
}

void MainWindowTest::start_state_shows_start_values_and_selections() {
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(control<QLabel>(*window, QStringLiteral("Labela(%1)").arg(i))->text(), QStringLiteral("0"));
        QCOMPARE(control<QLabel>(*window, QStringLiteral("Labelb(%1)").arg(i))->text(), QStringLiteral("0"));
        QVERIFY(control<QRadioButton>(*window, QStringLiteral("switch_c(%1)").arg(i))->isChecked());
        QVERIFY(!control<QRadioButton>(*window, QStringLiteral("switch_s(%1)").arg(i))->isChecked());
    }
    QCOMPARE(control<QLabel>(*window, "labelt")->text(), QStringLiteral("1"));
    QCOMPARE(control<QLabel>(*window, "value_std_a")->text(), QStringLiteral("1"));
    QCOMPARE(control<QLabel>(*window, "value_std_b")->text(), QStringLiteral("1"));
    QVERIFY(control<QRadioButton>(*window, "Option9")->isChecked());
    QVERIFY(control<QRadioButton>(*window, "Option1")->isChecked());
    QVERIFY(control<QRadioButton>(*window, "Option5")->isChecked());
}

// The means are part of each product graph's picture, the one a copy
// takes: its dashed line and its caption in the mean colour, on A'..D' and
// E' only. The key M draws what m=1 opens, and again takes it away.
void MainWindowTest::the_key_m_and_m_1_draw_the_means_into_the_products_pictures() {
    const auto open = [](MainWindow& target, const char* text) {
        const auto lesson = read_state_text(text);
        QVERIFY(std::holds_alternative<LessonState>(lesson));
        target.open_lesson(std::get<LessonState>(lesson));
    };
    const auto mean_pixels = [](const QWidget* graph) {
        const QImage picture = qobject_cast<const GraphSurfaceWidget*>(graph)->picture();
        int count = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) count += picture.pixel(x, y) == qRgb(160, 0, 160);
        }
        return count;
    };
    const QStringList products{"m_grph(0)", "m_grph(1)", "m_grph(2)", "m_grph(3)", "m_gr"};
    MainWindow linked;
    open(linked, "A=5c1&W=2c1&m=1");
    open(*window, "A=5c1&W=2c1");
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    for (const QString& name : products) QCOMPARE(mean_pixels(control(*window, name)), 0);
    QTest::keyClick(window.get(), Qt::Key_M);
    QVERIFY(window->form().params.show_means);
    for (const ControlSpec& graph : window_layout()) {
        if (graph.kind != ControlKind::graph_surface) continue;
        const QString name = QString::fromStdString(graph.name);
        const auto* pressed = control<GraphSurfaceWidget>(*window, name);
        QVERIFY2(pressed->picture() == control<GraphSurfaceWidget>(linked, name)->picture(), qPrintable(name));
        // A line across the picture, dashed, and a caption: more than half
        // the width in the mean colour, on the products alone.
        const int least = products.contains(name) ? pressed->width() / 2 : 0;
        QVERIFY2(mean_pixels(pressed) >= least && (least > 0 || mean_pixels(pressed) == 0), qPrintable(name));
    }
    // The screen shows what the picture holds.
    auto* a_product = control<GraphSurfaceWidget>(*window, "m_grph(0)");
    const QImage screen = a_product->grab(a_product->contentsRect()).toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(screen, a_product->picture().convertToFormat(QImage::Format_RGB32));
    QTest::keyClick(window.get(), Qt::Key_M);
    for (const QString& name : products) QCOMPARE(mean_pixels(control(*window, name)), 0);
}

void MainWindowTest::a_lesson_shows_its_values_selections_and_descriptions() {
    const auto lesson = read_state_text("A=3c1&B=2.5s3&W=0.5s2&t=4&sa=0.2&sn=0.5");
    QVERIFY(std::holds_alternative<LessonState>(lesson));
    window->open_lesson(std::get<LessonState>(lesson));
    const QStringList labels = {"Labela(0)", "Labelb(0)", "Labela(1)", "Labelb(1)", "value_std_a", "value_std_b",
                                "labelt"};
    QStringList texts;
    for (const QString& label : labels) texts << control<QLabel>(*window, label)->text();
    QCOMPARE(texts, QStringList({"3", "1", "2.5", "3", "0.5", "2", "4"}));
    QStringList checked;
    for (QRadioButton* option : window->findChildren<QRadioButton*>()) {
        if (option->isChecked()) checked << option->objectName();
    }
    checked.sort();
    QCOMPARE(checked, QStringList({"Option10", "Option2", "Option7", "switch_c(0)", "switch_c(2)", "switch_c(3)",
                                   "switch_s(1)"}));
    QCOMPARE(control(*window, "Grph(1)")->accessibleDescription(), QStringLiteral("B = 2.5 sin(3 x), t = 4 periods"));
}

void MainWindowTest::lower_bands_lie_above_the_bands_over_them() {
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    // The top 135 twips of band B cover the bottom of band A and of Grph(0).
    const QPoint overlap(pixels(2000), pixels(2040 + 60));
    QCOMPARE(window->childAt(overlap), control(*window, "Frame6"));
    // The reference band covers the top 15 twips of band A.
    QCOMPARE(window->childAt(QPoint(pixels(5000), pixels(1085))), control(*window, "Frame13"));
    // "Essential Wave" lies on the reference graph.
    QCOMPARE(window->childAt(QPoint(pixels(7000), pixels(180))), control(*window, "Label15"));
}

void MainWindowTest::step_groups_lie_above_the_panel_and_take_clicks() {
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    auto* option = control<QRadioButton>(*window, "Option7");
    const QPoint centre = option->mapTo(window.get(), option->rect().center());
    QCOMPARE(window->childAt(centre), option);
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
    QVERIFY(option->isChecked());
    QCOMPARE(window->form().params.step_a, 2);
}

void MainWindowTest::upper_and_lower_half_of_a_spin_button_step_up_and_down() {
    auto* spin = control<SpinButton>(*window, "SpinButton3(1)");
    const QPoint upper(spin->width() / 2, spin->height() / 4);
    const QPoint lower(spin->width() / 2, spin->height() * 3 / 4);
    for (int n = 0; n < 3; ++n) QTest::mouseClick(spin, Qt::LeftButton, {}, upper);
    QCOMPARE(control<QLabel>(*window, "Labela(1)")->text(), QStringLiteral("3"));
    QTest::mouseClick(spin, Qt::LeftButton, {}, lower);
    QCOMPARE(control<QLabel>(*window, "Labela(1)")->text(), QStringLiteral("2"));
    QCOMPARE(window->form().params.wave_a[1], 20);

    auto* reference = control<SpinButton>(*window, "SpinButton2");
    QTest::mouseClick(reference, Qt::LeftButton, {}, lower);
    QCOMPARE(control<QLabel>(*window, "value_std_b")->text(), QStringLiteral("0"));
    QTest::mouseClick(reference, Qt::LeftButton, {}, lower);  // refused at 0
    QCOMPARE(window->form().params.std_f, 0.0f);
}

void MainWindowTest::option_buttons_run_their_handlers_when_selected() {
    auto* sine = control<QRadioButton>(*window, "switch_s(2)");
    QTest::mouseClick(sine, Qt::LeftButton, {}, QPoint(6, sine->height() / 2));
    QVERIFY(sine->isChecked());
    QVERIFY(!window->form().params.wave_cos[2]);
    auto* reference_sine = control<QRadioButton>(*window, "Option10");
    QTest::mouseClick(reference_sine, Qt::LeftButton, {}, QPoint(6, reference_sine->height() / 2));
    QVERIFY(!window->form().params.std_cos);
    auto* tenth = control<QRadioButton>(*window, "Option4");
    QTest::mouseClick(tenth, Qt::LeftButton, {}, QPoint(6, tenth->height() / 2));
    QCOMPARE(window->form().params.step_f, 1);
    QCOMPARE(window->form().params.step_a, 10);
}

void MainWindowTest::reset_and_span_arrows_reach_the_handlers() {
    auto* span = control<SpinButton>(*window, "SpinButton11");
    const QPoint upper(span->width() / 2, span->height() / 4);
    QTest::mouseClick(span, Qt::LeftButton, {}, upper);
    QTest::mouseClick(span, Qt::LeftButton, {}, upper);
    QCOMPARE(control<QLabel>(*window, "labelt")->text(), QStringLiteral("3"));
    QTest::mouseClick(control<QPushButton>(*window, "Command1"), Qt::LeftButton);
    QCOMPARE(control<QLabel>(*window, "labelt")->text(), QStringLiteral("1"));
    QCOMPARE(window->form().params.t_span, 1.0f);
}

void MainWindowTest::clicks_redraw_the_pictures_as_the_handlers_say() {
    // Five clicks on A's amplitude, one on its frequency, two on the span:
    // A = 5 cos x over three periods.
    const auto click_upper = [&](const char* name, int times) {
        for (int n = 0; n < times; ++n) window_driver::click_arrow(*window, name, window_driver::Arrow::upper);
    };
    click_upper("SpinButton3(0)", 5);
    click_upper("SpinButton4(0)", 1);
    click_upper("SpinButton11", 2);

    // Grph(0) draws 239 x 63 pixels inside its border: x from 0 to 18.84954
    // across, y from 10 (row 0) to -10 (row 62); column floor(x / 18.84954 x
    // 239), row floor((10 - y) / 20 x 63).
    const QImage a = control<GraphSurfaceWidget>(*window, "Grph(0)")->picture();
    QCOMPARE(a.size(), QSize(239, 63));
    const QRgb red = qRgb(255, 0, 0);
    const QRgb green = qRgb(0, 255, 0);
    const QRgb white = qRgb(255, 255, 255);
    QCOMPARE(a.pixel(0, 15), red);  // x = 0: A = 5
    bool trough = false;            // x = pi, column 39: A = -5, row 47
    for (int row = 46; row <= 48; ++row) trough = trough || a.pixel(39, row) == red;
    QVERIFY(trough);
    QCOMPARE(a.pixel(10, 31), green);  // the axis, where the curve is far above it
    // Dotted period lines at x = 6.28318 and 12.56636: columns 79 and 159,
    // one pixel lit in three from the top.
    for (const int column : {79, 159}) {
        QCOMPARE(a.pixel(column, 0), green);
        QCOMPARE(a.pixel(column, 1), white);
        QCOMPARE(a.pixel(column, 2), white);
        QCOMPARE(a.pixel(column, 3), green);
    }
    QCOMPARE(a.pixel(80, 0), white);
    // The sum E is A alone: blue at 5 on the taller frame (row 43 of 119).
    const QImage e = control<GraphSurfaceWidget>(*window, "Gr")->picture();
    QCOMPARE(e.pixel(0, 43), qRgb(0, 0, 255));
    // W, redrawn for the new span, is still cos x: red at 1 (row 28) at x = 0.
    const QImage w = control<GraphSurfaceWidget>(*window, "std_grph")->picture();
    QCOMPARE(w.pixel(0, 28), red);
}

void MainWindowTest::h_ratio_is_measured_from_the_real_graphs() {
    QCOMPARE(window->form().params.h_ratio, 1815.0f / 975.0f);
    QCOMPARE(control<GraphSurfaceWidget>(*window, "Gr")->surface_height(), 121.0);
    QCOMPARE(control<GraphSurfaceWidget>(*window, "Grph(0)")->surface_height(), 65.0);
}

void MainWindowTest::focus_follows_the_tab_indices() {
    // The graphs, "RESET", the option buttons and the arrows take the
    // keyboard focus in the order of their Tab indices, round the window.
    const QStringList expected = {
        "Gr", "Grph(3)", "Grph(2)", "Grph(1)", "Grph(0)", "Command1",
        "switch_c(0)", "switch_s(0)", "switch_s(1)", "switch_c(1)", "switch_s(2)", "switch_c(2)",
        "switch_s(3)", "switch_c(3)", "Option1", "Option2", "Option3", "Option4", "Option5", "Option6",
        "Option7", "Option8", "m_grph(0)", "m_grph(1)", "m_grph(2)", "m_grph(3)", "m_gr", "std_grph",
        "Option9", "Option10", "SpinButton1", "SpinButton2", "SpinButton3(0)", "SpinButton4(0)",
        "SpinButton3(1)", "SpinButton4(1)", "SpinButton3(2)", "SpinButton4(2)", "SpinButton3(3)",
        "SpinButton4(3)", "SpinButton11"};
    QWidget* widget = control(*window, "Gr");
    QStringList actual;
    for (int n = 0; n <= expected.size(); ++n) {
        actual << widget->objectName();
        do {
            widget = widget->nextInFocusChain();
        } while (!(widget->focusPolicy() & Qt::TabFocus));
    }
    QCOMPARE(actual.mid(0, expected.size()), expected);
    QCOMPARE(actual.last(), QStringLiteral("Gr"));  // and round again
}

void MainWindowTest::a_layout_that_does_not_fit_stops_start_up_naming_the_control_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("message");
    QTest::newRow("a graph missing") << "drop Grph(2)" << "the window has no Grph(2)";
    QTest::newRow("a value label missing") << "drop labelt" << "the window has no labelt";
    QTest::newRow("arrows missing") << "drop SpinButton4(3)" << "the window has no control called SpinButton4(3)";
    QTest::newRow("a label where a graph belongs") << "label m_gr" << "the control m_gr is not a graph surface";
}

// Whatever the build, the window says what does not fit instead of running
// handlers on a null control.
void MainWindowTest::a_layout_that_does_not_fit_stops_start_up_naming_the_control() {
    QFETCH(QString, change);
    QFETCH(QString, message);
    std::vector<ControlSpec> layout = window_layout();
    const std::string name = change.section(' ', 1).toStdString();
    const auto changed = std::find_if(layout.begin(), layout.end(), [&](const ControlSpec& c) { return c.name == name; });
    QVERIFY(changed != layout.end());
    if (change.startsWith("drop")) {
        layout.erase(changed);
    } else {
        changed->kind = ControlKind::label;
    }
    struct : WindowPlacement {
        void set_outer_size(float, float) override {}
        TwipSize outer_size() const override { return {}; }
        TwipSize screen_size() const override { return {}; }
        void move_to(float, float) override {}
    } placement;
    QWidget host;
    Form form;
    form.window = &placement;
    EventDispatch dispatch([] {});
    QString thrown;
    try {
        bind_window(build_control_tree(host, layout), layout, form, dispatch);
    } catch (const MissingControl& error) {
        thrown = QString::fromStdString(error.what());
    }
    QCOMPARE(thrown, message);
}

}  // namespace waves

QTEST_MAIN(waves::MainWindowTest)
#include "main_window_test.moc"
