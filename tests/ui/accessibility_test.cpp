// What assistive technology and keyboard users get: names, values,
// descriptions and actions through Qt's accessibility layer, and the
// keyboard behaviour of the controls. (That the changes are announced live
// is checked through AT-SPI on a real X server, in tests/system.)
#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTranslator>
#include <QtTest>

#include <variant>

#include "core/app/lesson_state_text.h"

#include "ui/appearance.h"
#include "ui/graph_surface_widget.h"
#include "ui/main_window.h"
#include "ui/spin_button.h"
#include "tests/ui/window_driver.h"

namespace waves {

using window_driver::Arrow;
using window_driver::click_arrow;
using window_driver::open_window;

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        install_font_substitutes();
    }
    void init() { QVERIFY(open_window(window)); }
    void cleanup() { window.reset(); }

    void every_control_says_what_it_is_and_changes_data();
    void every_control_says_what_it_is_and_changes();
    void every_interactive_control_and_graph_has_a_unique_name();
    void a_graph_is_one_picture_with_only_its_caption_inside();
    void value_labels_read_their_value_with_what_it_belongs_to();
    void spin_buttons_offer_increase_and_decrease_and_read_their_value();
    void graph_descriptions_follow_the_parameters_and_are_announced();
    void product_descriptions_end_with_the_sum_and_the_mean_data();
    void product_descriptions_end_with_the_sum_and_the_mean();
    void up_and_down_keys_step_a_focused_spin_button();
    void arrow_keys_move_the_selection_in_an_option_group();
    void space_and_enter_press_reset();
    void focused_controls_show_a_focus_indicator();

private:
    QWidget* control(const QString& name) const { return window->findChild<QWidget*>(name); }
    QAccessibleInterface* accessible(const QString& name) const {
        return QAccessible::queryAccessibleInterface(control(name));
    }
    QString accessible_name(const QString& name) const { return accessible(name)->text(QAccessible::Name); }

    std::unique_ptr<MainWindow> window;
};

void AccessibilityTest::every_control_says_what_it_is_and_changes_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QAccessible::Role>("role");
    const struct {
        const char* control;
        const char* name;
        QAccessible::Role role;
    } rows[] = {
        {"SpinButton3(0)", "A amplitude", QAccessible::SpinBox},
        {"SpinButton4(1)", "B frequency", QAccessible::SpinBox},
        {"SpinButton3(3)", "D amplitude", QAccessible::SpinBox},
        {"SpinButton1", "W amplitude", QAccessible::SpinBox},
        {"SpinButton2", "W frequency", QAccessible::SpinBox},
        {"SpinButton11", "t span", QAccessible::SpinBox},
        {"switch_c(2)", "C cos", QAccessible::RadioButton},
        {"switch_s(0)", "A sin", QAccessible::RadioButton},
        {"Option9", "W cos", QAccessible::RadioButton},
        {"Option10", "W sin", QAccessible::RadioButton},
        {"Option6", "step a 0.5", QAccessible::RadioButton},
        {"Option4", "step n 0.1", QAccessible::RadioButton},
        {"Command1", "RESET", QAccessible::Button},
        {"std_grph", "Essential Wave W", QAccessible::Graphic},
        {"Grph(0)", "A", QAccessible::Graphic},
        {"m_grph(3)", "D'", QAccessible::Graphic},
        {"Gr", "E", QAccessible::Graphic},
        {"m_gr", "E'", QAccessible::Graphic},
        {"Frame11", "step a", QAccessible::Grouping},
        {"Frame12", "step n", QAccessible::Grouping},
    };
    for (const auto& row : rows) QTest::newRow(row.control) << row.control << row.name << row.role;
}

void AccessibilityTest::every_control_says_what_it_is_and_changes() {
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QAccessible::Role, role);
    QAccessibleInterface* interface = accessible(control);
    QVERIFY(interface != nullptr);
    QCOMPARE(interface->text(QAccessible::Name), name);
    QCOMPARE(interface->role(), role);
}

void AccessibilityTest::every_interactive_control_and_graph_has_a_unique_name() {
    QSet<QString> names;
    int counted = 0;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const bool interactive = widget->focusPolicy() & Qt::TabFocus;
        if (!interactive && qobject_cast<GraphSurfaceWidget*>(widget) == nullptr) continue;
        const QString name = QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
        QVERIFY2(!name.isEmpty(), qPrintable(widget->objectName()));
        QVERIFY2(!names.contains(name), qPrintable(name + " twice"));
        names.insert(name);
        ++counted;
    }
    // 11 spin buttons, 18 option buttons, RESET and 11 graphs.
    QCOMPARE(counted, 11 + 18 + 1 + 11);
}

void AccessibilityTest::a_graph_is_one_picture_with_only_its_caption_inside() {
    QCOMPARE(accessible("Grph(1)")->childCount(), 0);
    QAccessibleInterface* reference = accessible("std_grph");
    QCOMPARE(reference->childCount(), 1);
    QCOMPARE(reference->child(0)->text(QAccessible::Name), QStringLiteral("Essential Wave"));
    QCOMPARE(reference->indexOfChild(reference->child(0)), 0);
    QCOMPARE(reference->child(0)->parent()->object(), control("std_grph"));
}

void AccessibilityTest::value_labels_read_their_value_with_what_it_belongs_to() {
    QCOMPARE(accessible_name("Labela(0)"), QStringLiteral("A amplitude 0"));
    QCOMPARE(accessible_name("value_std_b"), QStringLiteral("W frequency 1"));
    QCOMPARE(accessible_name("labelt"), QStringLiteral("t span 1"));
    click_arrow(*window, "SpinButton3(0)", Arrow::upper);
    QCOMPARE(accessible_name("Labela(0)"), QStringLiteral("A amplitude 1"));
    // The caption on screen stays the bare number.
    QCOMPARE(qobject_cast<QLabel*>(control("Labela(0)"))->text(), QStringLiteral("1"));
}

void AccessibilityTest::spin_buttons_offer_increase_and_decrease_and_read_their_value() {
    QAccessibleInterface* spin = accessible("SpinButton4(2)");
    QAccessibleActionInterface* actions = spin->actionInterface();
    QVERIFY(actions != nullptr);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::increaseAction()));
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::decreaseAction()));
    QCOMPARE(spin->text(QAccessible::Value), QStringLiteral("0"));

    actions->doAction(QAccessibleActionInterface::increaseAction());
    actions->doAction(QAccessibleActionInterface::increaseAction());
    QCOMPARE(window->form().params.wave_f[2], 20);
    QCOMPARE(spin->text(QAccessible::Value), QStringLiteral("2"));
    QCOMPARE(spin->valueInterface()->currentValue().toDouble(), 2.0);
    // The action runs the whole event: the graph's description follows.
    QCOMPARE(accessible("Grph(2)")->text(QAccessible::Description), QStringLiteral("C = 0 cos(2 x), t = 1 period"));

    actions->doAction(QAccessibleActionInterface::decreaseAction());
    QCOMPARE(spin->text(QAccessible::Value), QStringLiteral("1"));
}

void AccessibilityTest::graph_descriptions_follow_the_parameters_and_are_announced() {
    QCOMPARE(accessible("std_grph")->text(QAccessible::Description), QStringLiteral("W = 1 cos(1 x), t = 1 period"));
    for (int n = 0; n < 5; ++n) click_arrow(*window, "SpinButton3(0)", Arrow::upper);
    click_arrow(*window, "SpinButton4(0)", Arrow::upper);
    click_arrow(*window, "SpinButton11", Arrow::upper);
    click_arrow(*window, "SpinButton11", Arrow::upper);
    QCOMPARE(accessible("Grph(0)")->text(QAccessible::Description), QStringLiteral("A = 5 cos(1 x), t = 3 periods"));
    QCOMPARE(accessible("m_grph(0)")->text(QAccessible::Description),
             QStringLiteral("A' = A × W = 5 cos(1 x) × 1 cos(1 x) = 2.5 + 2.5 cos(2 x), mean 2.5, t = 3 periods"));
    QCOMPARE(accessible("Gr")->text(QAccessible::Description),
             QStringLiteral("E = A + B + C + D = 5 cos(1 x), t = 3 periods"));
    QCOMPARE(accessible("m_gr")->text(QAccessible::Description),
             QStringLiteral("E' = W × E = 1 cos(1 x) × 5 cos(1 x) = 2.5 + 2.5 cos(2 x), "
                            "mean A' + B' + C' + D' = 2.5 + 0 + 0 + 0 = 2.5, t = 3 periods"));
}

// The lessons of the mean of a product, as a screen reader hears them, in
// English and in Japanese (the translation the program is built with).
void AccessibilityTest::product_descriptions_end_with_the_sum_and_the_mean_data() {
    QTest::addColumn<QString>("lesson");
    QTest::addColumn<QString>("graph");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("japanese");
    const auto row = [](const char* name, const char* lesson, const char* graph, const char* formula,
                        const char* mean, const char* span, const char* japanese_span) {
        QTest::newRow(name) << lesson << graph << QStringLiteral("%1, mean %2, t = %3").arg(formula, mean, span)
                            << QStringLiteral("%1、平均 %2、t = %3").arg(formula, mean, japanese_span);
    };
    row("matching", "A=5c1&W=5c1&m=1", "m_grph(0)",
        "A' = A × W = 5 cos(1 x) × 5 cos(1 x) = 12.5 + 12.5 cos(2 x)", "12.5", "1 period", "1 周期");
    row("orthogonal", "A=5c2&W=5c1&m=1", "m_grph(0)",
        "A' = A × W = 5 cos(2 x) × 5 cos(1 x) = 12.5 cos(1 x) + 12.5 cos(3 x)", "0", "1 period", "1 周期");
    row("sin against cos", "B=5s1&W=5c1", "m_grph(1)", "B' = B × W = 5 sin(1 x) × 5 cos(1 x) = 12.5 sin(2 x)", "0",
        "1 period", "1 周期");
    row("leaking", "C=5c1.2&W=5c1", "m_grph(2)",
        "C' = C × W = 5 cos(1.2 x) × 5 cos(1 x) = 12.5 cos(0.2 x) + 12.5 cos(2.2 x)", "10.32", "1 period", "1 周期");
    row("leaking no more over 5 periods", "C=5c1.2&W=5c1&t=5", "m_grph(2)",
        "C' = C × W = 5 cos(1.2 x) × 5 cos(1 x) = 12.5 cos(0.2 x) + 12.5 cos(2.2 x)", "0", "5 periods", "5 周期");
    row("below 0", "D=5s0.5&W=5c1", "m_grph(3)",
        "D' = D × W = 5 sin(0.5 x) × 5 cos(1 x) = -12.5 sin(0.5 x) + 12.5 sin(1.5 x)", "-5.305", "1 period",
        "1 周期");
    row("nothing", "", "m_gr", "E' = W × E = 1 cos(1 x) × 0 = 0", "A' + B' + C' + D' = 0 + 0 + 0 + 0 = 0",
        "1 period", "1 周期");
    row("the third harmonic", "A=8s1&B=2.7s3&C=1.6s5&D=1.1s7&W=1s3&t=2&m=1", "m_gr",
        "E' = W × E = 1 sin(3 x) × (8 sin(1 x) + 2.7 sin(3 x) + 1.6 sin(5 x) + 1.1 sin(7 x)) = 1.35 + 4.8 cos(2 x) - "
        "3.45 cos(4 x) - 1.35 cos(6 x) - 0.8 cos(8 x) - 0.55 cos(10 x)",
        "A' + B' + C' + D' = 0 + 1.35 + 0 + 0 = 1.35", "2 periods", "2 周期");
}

void AccessibilityTest::product_descriptions_end_with_the_sum_and_the_mean() {
    QFETCH(QString, lesson);
    QFETCH(QString, graph);
    QFETCH(QString, english);
    QFETCH(QString, japanese);
    const auto read = read_state_text(lesson.toStdString());
    QVERIFY(std::holds_alternative<LessonState>(read));
    window->open_lesson(std::get<LessonState>(read));
    QCOMPARE(accessible(graph)->text(QAccessible::Description), english);

    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/i18n/waves_ja.qm")));
    QCoreApplication::installTranslator(&translator);
    window->open_lesson(std::get<LessonState>(read));
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(accessible(graph)->text(QAccessible::Description), japanese);
}

void AccessibilityTest::up_and_down_keys_step_a_focused_spin_button() {
    QWidget* spin = control("SpinButton1");
    spin->setFocus();
    QVERIFY(spin->hasFocus());
    QTest::keyClick(spin, Qt::Key_Down);
    QCOMPARE(qobject_cast<QLabel*>(control("value_std_a"))->text(), QStringLiteral("0"));
    QTest::keyClick(spin, Qt::Key_Up);
    QTest::keyClick(spin, Qt::Key_Up);
    QCOMPARE(qobject_cast<QLabel*>(control("value_std_a"))->text(), QStringLiteral("2"));
    // Held down, the key repeats: each repeat is one more step.
    QTest::keyPress(spin, Qt::Key_Up);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(spin, &repeat);
    QTest::keyRelease(spin, Qt::Key_Up);
    QCOMPARE(window->form().params.std_a, 40);
}

void AccessibilityTest::arrow_keys_move_the_selection_in_an_option_group() {
    auto* first = qobject_cast<QRadioButton*>(control("Option5"));
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Down);
    QVERIFY(qobject_cast<QRadioButton*>(control("Option6"))->isChecked());
    QCOMPARE(window->form().params.step_a, 5);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(window->form().params.step_a, 2);

    auto* cos = qobject_cast<QRadioButton*>(control("switch_c(1)"));
    cos->setFocus();
    QTest::keyClick(cos, Qt::Key_Down);
    QVERIFY(qobject_cast<QRadioButton*>(control("switch_s(1)"))->isChecked());
    QVERIFY(!window->form().params.wave_cos[1]);
}

void AccessibilityTest::space_and_enter_press_reset() {
    click_arrow(*window, "SpinButton11", Arrow::upper);
    auto* reset = qobject_cast<QPushButton*>(control("Command1"));
    reset->setFocus();
    QTest::keyClick(reset, Qt::Key_Space);
    QCOMPARE(window->form().params.t_span, 1.0f);
    click_arrow(*window, "SpinButton11", Arrow::upper);
    reset->setFocus();
    QTest::keyClick(reset, Qt::Key_Return);
    QCOMPARE(window->form().params.t_span, 1.0f);
    QCOMPARE(qobject_cast<QLabel*>(control("labelt"))->text(), QStringLiteral("1"));
}

void AccessibilityTest::focused_controls_show_a_focus_indicator() {
    // Like every desktop control, the indicator shows once the keyboard
    // has been used to move the focus.
    for (const char* name : {"SpinButton3(0)", "Option6", "switch_s(2)", "Command1", "Grph(2)", "m_gr"}) {
        QWidget* widget = control(name);
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key_Tab);
        QVERIFY(!widget->hasFocus());
        const QImage unfocused = widget->grab().toImage();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QVERIFY2(widget->hasFocus(), name);
        QVERIFY2(widget->grab().toImage() != unfocused, name);
    }
}

}  // namespace waves

QTEST_MAIN(waves::AccessibilityTest)
#include "accessibility_test.moc"
