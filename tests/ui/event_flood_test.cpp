// A flood of clicks: ten thousand mouse presses and releases queued on the
// real spin buttons at once, as holding an arrow on a slow machine can
// queue them, then delivered. Each press is one step, handled in turn with
// its redraws: none is lost or merged, and the final state is exactly the
// one the rules of the arrows give, step by step.
#include <QSignalSpy>
#include <QtTest>

#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "ui/appearance.h"
#include "ui/main_window.h"
#include "ui/spin_button.h"
#include "tests/ui/window_driver.h"

namespace waves {

using window_driver::Arrow;
using window_driver::control;
using window_driver::label_text;
using window_driver::open_window;

namespace {

constexpr int kClicks = 10'000;

// Queues a press and a release of the left button on the upper or lower
// arrow; the button keeps its own state between them, as for a user.
void post_click(SpinButton* spin, bool up) {
    const QPointF at(window_driver::arrow_point(*spin, up ? Arrow::upper : Arrow::lower));
    const QPointF global = spin->mapToGlobal(at);
    QCoreApplication::postEvent(spin, new QMouseEvent(QEvent::MouseButtonPress, at, global, Qt::LeftButton,
                                                      Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(spin, new QMouseEvent(QEvent::MouseButtonRelease, at, global, Qt::LeftButton,
                                                      Qt::NoButton, Qt::NoModifier));
}

// The value an arrow steps, by the rules of the arrows: a raise is taken
// below the limit (and may carry past it), a lowering only if the result is
// not negative, a span never below 1; the component frequency and the span
// have no upper limit.
struct Stepped {
    const char* spin_button;
    const char* label;
    std::int64_t value;  // tenths; periods for the span
    std::int64_t step;
    std::int64_t raise_limit;  // 0: none
    std::int64_t lowest;

    int refused = 0;

    void click(bool up) {
        if (up ? raise_limit == 0 || value < raise_limit : value - step >= lowest) {
            value += up ? step : -step;
        } else {
            ++refused;
        }
    }
};

QString tenths_text(std::int64_t tenths) { return QString::number(static_cast<double>(tenths) / 10.0, 'g', 15); }

}  // namespace

class EventFloodTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { install_font_substitutes(); }
    void init() { QVERIFY(open_window(window)); }
    void cleanup() { window.reset(); }

    void ten_thousand_queued_clicks_on_one_arrow_are_ten_thousand_steps();
    void queued_clicks_on_several_arrows_end_where_the_rules_say();

private:
    std::unique_ptr<MainWindow> window;
};

void EventFloodTest::ten_thousand_queued_clicks_on_one_arrow_are_ten_thousand_steps() {
    SpinButton* frequency = &control<SpinButton>(*window, "SpinButton4(0)");
    QSignalSpy steps(frequency, &SpinButton::spinUp);
    for (int n = 0; n < kClicks; ++n) post_click(frequency, true);
    QCOMPARE(window->form().params.wave_f[0], 0);  // nothing handled before the events are delivered

    QTRY_COMPARE_WITH_TIMEOUT(steps.count(), kClicks, 60'000);
    QCoreApplication::processEvents();
    QCOMPARE(steps.count(), kClicks);  // and not one more (no repeat of a held arrow)
    QCOMPARE(window->form().params.wave_f[0], 10 * kClicks);
    QCOMPARE(label_text(*window, "Labelb(0)"), QStringLiteral("10000"));
    QCOMPARE(label_text(*window, "Labela(0)"), QStringLiteral("0"));
}

void EventFloodTest::queued_clicks_on_several_arrows_end_where_the_rules_say() {
    // Steps of 1.0 as at start. The span moves in a narrow random walk: a
    // wide span would only make the flood slow.
    std::vector<Stepped> arrows = {
        {"SpinButton3(1)", "Labela(1)", 0, 10, 100, 0},  // B's amplitude, 0 .. 100 in steps of 1.0
        {"SpinButton4(2)", "Labelb(2)", 0, 10, 0, 0},    // C's frequency, no upper limit
        {"SpinButton1", "value_std_a", 10, 10, 100, 0},  // W's amplitude
        {"SpinButton2", "value_std_b", 10, 10, 100, 0},  // W's frequency
        {"SpinButton11", "labelt", 1, 1, 0, 1},          // the span, in periods
    };
    std::vector<std::unique_ptr<QSignalSpy>> steps;
    for (const Stepped& arrow : arrows) {
        SpinButton* spin = &control<SpinButton>(*window, arrow.spin_button);
        steps.push_back(std::make_unique<QSignalSpy>(spin, &SpinButton::spinUp));
        steps.push_back(std::make_unique<QSignalSpy>(spin, &SpinButton::spinDown));
    }
    const auto steps_taken = [&steps] {
        qsizetype total = 0;
        for (const auto& spy : steps) total += spy->count();
        return total;
    };

    std::mt19937 random(20240611);
    std::vector<int> posted(2 * arrows.size());
    for (int n = 0; n < kClicks; ++n) {
        const std::size_t a = random() % arrows.size();
        Stepped& arrow = arrows[a];
        // Mostly up on the amplitudes and frequencies, so that they reach
        // and push against their limits; evenly on the span.
        const bool up = a == 4 ? random() % 2 == 0 : random() % 5 < 3;
        post_click(&control<SpinButton>(*window, arrow.spin_button), up);
        arrow.click(up);
        ++posted[2 * a + (up ? 0 : 1)];
    }
    QCOMPARE(steps_taken(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(steps_taken(), kClicks, 60'000);
    QCoreApplication::processEvents();
    for (std::size_t k = 0; k < steps.size(); ++k) QCOMPARE(steps[k]->count(), posted[k]);

    const Parameters& params = window->form().params;
    QCOMPARE(params.wave_a[1], arrows[0].value);
    QCOMPARE(params.wave_f[2], arrows[1].value);
    QCOMPARE(params.std_a, arrows[2].value);
    QCOMPARE(params.std_f, static_cast<float>(arrows[3].value));
    QCOMPARE(params.t_span, static_cast<float>(arrows[4].value));
    for (std::size_t k = 0; k < 4; ++k) QCOMPARE(label_text(*window, arrows[k].label), tenths_text(arrows[k].value));
    QCOMPARE(label_text(*window, "labelt"), QString::number(arrows[4].value));
    // The flood did push against the limits: some clicks had to be refused.
    for (const Stepped& arrow : arrows) QVERIFY2(arrow.refused > 0, arrow.spin_button);
    // The rows no arrow was clicked on are untouched.
    QCOMPARE(params.wave_a[0], 0);
    QCOMPARE(params.wave_f[0], 0);
    QCOMPARE(label_text(*window, "Labela(2)"), QStringLiteral("0"));
}

}  // namespace waves

QTEST_MAIN(waves::EventFloodTest)
#include "event_flood_test.moc"
