// A soak of the real window: the random event sequences of the property
// test (event_generator.h), driven against the program's own MainWindow on
// Qt's offscreen platform through its real widgets, with the window's
// resident memory watched.
//
// Each event is a real input event on the widget the user would use: a
// mouse click on the upper or lower half of a spin button (every fourth
// arrow event the Up or Down key instead, which the button also takes), a
// click on the circle of an option button, a click on "RESET". So the
// widgets' own event code, the bindings to the handlers, the handlers, the
// drawing routines and the graph surfaces all run as for a user; the
// window's pending events (its paints) are delivered after every event.
//
// After every event:
//   - the window's parameters are what the handler model (handler_model.h)
//     predicts, and what a recorded form shows that ran the same event with
//     every invariant of invariant_checker.h checked on it;
//   - every value label shows the number text of its value;
//   - every option button's selection matches the parameter it stands for.
// Every kPictureInterval events, and after the last, each of the eleven
// graphs must show, pixel for pixel, what a drawing made afresh from the
// current parameters shows on surfaces of its own.
//
// Resident memory (VmRSS in /proc/self/status) is sampled every
// kSampleInterval events. Everything the window keeps has reached its full
// size once the spans have climbed a few times (the generator climbs within
// kFirstClimbWithin events, then every kClimbSpacing to 2 x kClimbSpacing),
// so after a warm-up of kWarmUpEvents the resident memory must stay within
// kGrowthTolerance of what it was at the end of the warm-up. Runs shorter
// than kShortestJudgedRun print the figures without judging them.
//
// Environment, as for the property test:
//   WAVES_PROPERTY_SEED    the seed (default: taken from the clock)
//   WAVES_PROPERTY_EVENTS  how many events (default kDefaultEvents)
// QT_QPA_PLATFORM defaults to offscreen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QTest>

#include <array>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core/model/number_text.h"
#include "core/app/span_redraw.h"
#include "tests/property/event_generator.h"
#include "tests/property/handler_event.h"
#include "tests/property/handler_model.h"
#include "tests/property/invariant_checker.h"
#include "tests/property/parameter_differences.h"
#include "tests/support/recorded_form.h"
#include "tests/property/run_settings.h"
#include "ui/appearance.h"
#include "ui/graph_surface_widget.h"
#include "layout/form_parts.h"
#include "layout/layout_table.h"
#include "ui/main_window.h"
#include "ui/option_button.h"
#include "ui/spin_button.h"
#include "ui/text_label_widget.h"

namespace waves::property {
namespace {

constexpr std::uint64_t kDefaultEvents = 3'000;
constexpr std::uint64_t kPictureInterval = 1'000;
constexpr std::uint64_t kSampleInterval = 1'000;
constexpr std::uint64_t kWarmUpEvents = 100'000;
constexpr std::uint64_t kShortestJudgedRun = 3 * kWarmUpEvents;
// 1 MiB: after the warm-up nothing in the window should need more memory,
// only the allocator's free lists move; a leak of a single byte per event
// crosses this within a million events, one of a pointer's size well
// within the judged part of any judged run.
constexpr std::int64_t kGrowthTolerance = 1024;  // KiB
constexpr std::size_t kHistoryLength = 12;

// VmRSS of this process in KiB; -1 when it cannot be read.
std::int64_t resident_kib() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) != 0) continue;
        std::istringstream fields(line.substr(6));
        std::int64_t kib = -1;
        fields >> kib;
        return kib;
    }
    return -1;
}

std::string mib(std::int64_t kib) {
    std::ostringstream text;
    text.setf(std::ios::fixed);
    text.precision(1);
    text << static_cast<double>(kib) / 1024.0 << " MiB";
    return text.str();
}

std::string index_suffix(int index) { return "(" + std::to_string(index) + ")"; }

// The real widget an event is given to, and how: the control the event
// binding sends it from, clicked on an arrow for spin_up and spin_down, and
// for a click pushed if it is a push button, else chosen as an option button.
class WindowDriver {
public:
    explicit WindowDriver(const MainWindow& window) {
        const ControlTree& controls = window.controls();
        for (const Event event : all_events()) {
            const ControlHandler& entry = binding(event);
            Target& target = targets_[key(event)];
            if (entry.event != ControlEvent::click) {
                const bool up = entry.event == ControlEvent::spin_up;
                target = {&controls.get<SpinButton>(entry.control), up ? Action::arrow_up : Action::arrow_down};
            } else if (auto* button = qobject_cast<QPushButton*>(controls.find(entry.control))) {
                target = {button, Action::push};
            } else {
                target = {&controls.get<OptionButton>(entry.control), Action::choose};
            }
        }
    }

    // Gives the event to its widget as a user would and delivers whatever
    // the window has pending afterwards. Every fourth arrow event is a key.
    void perform(Event event) {
        const Target& target = targets_[key(event)];
        QWidget* widget = target.widget;
        switch (target.action) {
            case Action::arrow_up:
            case Action::arrow_down: {
                const bool up = target.action == Action::arrow_up;
                if (arrow_events_++ % 4 == 3) {
                    QTest::keyClick(widget, up ? Qt::Key_Up : Qt::Key_Down);
                } else {
                    const int y = up ? widget->height() / 4 : widget->height() * 3 / 4;
                    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(widget->width() / 2, y));
                }
                break;
            }
            case Action::choose: {
                QStyleOptionButton option;
                option.initFrom(widget);
                const QRect circle = widget->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, widget);
                QTest::mouseClick(widget, Qt::LeftButton, {}, circle.center());
                break;
            }
            case Action::push: QTest::mouseClick(widget, Qt::LeftButton); break;
        }
        QCoreApplication::processEvents();
    }

private:
    enum class Action { arrow_up, arrow_down, choose, push };
    struct Target {
        QWidget* widget = nullptr;
        Action action = Action::push;
    };

    static std::size_t key(Event event) {
        return static_cast<std::size_t>(event.handler) * kComponentCount + static_cast<std::size_t>(event.index);
    }

    std::array<Target, kHandlerCount * kComponentCount> targets_{};
    std::uint64_t arrow_events_ = 0;
};

// What the window shows besides its graphs: the value labels and the
// selected option buttons, checked against a parameter record.
class WindowState {
public:
    explicit WindowState(const MainWindow& window) {
        const ControlTree& controls = window.controls();
        for (int i = 0; i < kComponentCount; ++i) {
            add_label(controls, "Labela" + index_suffix(i));
            add_label(controls, "Labelb" + index_suffix(i));
            cos_[static_cast<std::size_t>(i)] = &controls.get<OptionButton>("switch_c" + index_suffix(i));
            sin_[static_cast<std::size_t>(i)] = &controls.get<OptionButton>("switch_s" + index_suffix(i));
        }
        add_label(controls, "labelt");
        add_label(controls, "value_std_a");
        add_label(controls, "value_std_b");
        reference_cos_ = &controls.get<OptionButton>("Option9");
        reference_sin_ = &controls.get<OptionButton>("Option10");
        for (int n = 0; n < 4; ++n) {
            frequency_steps_[static_cast<std::size_t>(n)] = &controls.get<OptionButton>("Option" + std::to_string(n + 1));
            amplitude_steps_[static_cast<std::size_t>(n)] = &controls.get<OptionButton>("Option" + std::to_string(n + 5));
        }
    }

    // Appends a line to `problems` for every label or option button that
    // does not show params.
    void compare(const Parameters& params, std::vector<std::string>& problems) {
        if (!have_expected_ || !(expected_from_ == params)) {
            expected_texts_.clear();
            for (std::size_t i = 0; i < kComponentCount; ++i) {
                expected_texts_.push_back(text(number_text(static_cast<double>(params.wave_a[i]) / 10.0)));
                expected_texts_.push_back(text(number_text(static_cast<double>(params.wave_f[i]) / 10.0)));
            }
            expected_texts_.push_back(text(number_text(params.t_span)));
            expected_texts_.push_back(text(number_text(static_cast<double>(params.std_a) / 10.0)));
            expected_texts_.push_back(text(number_text(params.std_f / 10.0f)));
            expected_from_ = params;
            have_expected_ = true;
        }
        for (std::size_t k = 0; k < labels_.size(); ++k) {
            ++checks_;
            if (labels_[k]->text() != expected_texts_[k]) {
                problems.push_back(labels_[k]->objectName().toStdString() + " shows \"" +
                                   labels_[k]->text().toStdString() + "\", not \"" +
                                   expected_texts_[k].toStdString() + "\"");
            }
        }
        for (std::size_t i = 0; i < kComponentCount; ++i) {
            selected(cos_[i], params.wave_cos[i], problems);
            selected(sin_[i], !params.wave_cos[i], problems);
        }
        selected(reference_cos_, params.std_cos, problems);
        selected(reference_sin_, !params.std_cos, problems);
        constexpr std::array<std::int64_t, 4> kSteps = {10, 5, 2, 1};  // Option1..4 and Option5..8
        for (std::size_t n = 0; n < kSteps.size(); ++n) {
            selected(frequency_steps_[n], params.step_f == kSteps[n], problems);
            selected(amplitude_steps_[n], params.step_a == kSteps[n], problems);
        }
    }

    std::uint64_t checks() const { return checks_; }

private:
    static QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

    void add_label(const ControlTree& controls, const std::string& name) {
        labels_.push_back(&controls.get<TextLabelWidget>(name));
    }

    void selected(const OptionButton* button, bool expected, std::vector<std::string>& problems) {
        ++checks_;
        if (button->isChecked() != expected) {
            problems.push_back(button->objectName().toStdString() + (expected ? " is not selected" : " is selected"));
        }
    }

    std::vector<TextLabelWidget*> labels_;  // Labela(0), Labelb(0), ..., labelt, value_std_a, value_std_b
    std::array<OptionButton*, kComponentCount> cos_{};
    std::array<OptionButton*, kComponentCount> sin_{};
    OptionButton* reference_cos_ = nullptr;
    OptionButton* reference_sin_ = nullptr;
    std::array<OptionButton*, 4> frequency_steps_{};
    std::array<OptionButton*, 4> amplitude_steps_{};
    Parameters expected_from_{};
    bool have_expected_ = false;
    std::vector<QString> expected_texts_;
    std::uint64_t checks_ = 0;
};

// The window's eleven graphs beside surfaces of the same kind, size and
// background that nothing else draws on: a full redraw from a copy of the
// parameters gives the pictures the window's graphs must show.
class FreshSurfaces {
public:
    explicit FreshSurfaces(const MainWindow& window) {
        for (const ControlSpec& control : window_layout()) {
            GraphSurface** slot = surface_slot(form_.form, control.name);
            if (slot == nullptr) continue;
            GraphSurfaceWidget& shown = window.controls().get<GraphSurfaceWidget>(control.name);
            const QColor background = layout_colour(control.background);
            auto fresh = std::make_unique<GraphSurfaceWidget>(background);
            fresh->resize(shown.size());
            *slot = fresh.get();
            names_.push_back(control.name);
            shown_.push_back(&shown);
            fresh_.push_back(fresh.get());
            owned_.push_back(std::move(fresh));
        }
    }

    // Appends a line to `problems` for every graph of the window whose
    // picture differs from a fresh drawing of params.
    void compare(const Parameters& params, std::vector<std::string>& problems) {
        form_.form.params = params;
        show_span_and_redraw_all(form_.form);
        for (std::size_t s = 0; s < shown_.size(); ++s) {
            ++checks_;
            const QImage shown = shown_[s]->picture();
            const QImage fresh = fresh_[s]->picture();
            if (shown == fresh) continue;
            std::string problem = names_[s] + " shows another picture than a fresh drawing";
            if (shown.size() != fresh.size()) {
                problem += ": " + std::to_string(shown.width()) + " x " + std::to_string(shown.height()) +
                           " pixels, not " + std::to_string(fresh.width()) + " x " + std::to_string(fresh.height());
            } else {
                int differing = 0;
                QPoint first(-1, -1);
                for (int y = 0; y < shown.height(); ++y) {
                    for (int x = 0; x < shown.width(); ++x) {
                        if (shown.pixel(x, y) == fresh.pixel(x, y)) continue;
                        if (differing++ == 0) first = {x, y};
                    }
                }
                problem += ": " + std::to_string(differing) + " pixels differ, the first at (" +
                           std::to_string(first.x()) + ", " + std::to_string(first.y()) + ")";
            }
            problems.push_back(problem);
        }
    }

    std::uint64_t checks() const { return checks_; }

private:
    testing::RecordedForm form_;  // its labels and options take what a full redraw writes
    std::vector<std::string> names_;
    std::vector<GraphSurfaceWidget*> shown_;
    std::vector<GraphSurfaceWidget*> fresh_;
    std::vector<std::unique_ptr<GraphSurfaceWidget>> owned_;
    std::uint64_t checks_ = 0;
};

// The resident memory over the run.
class MemoryWatch {
public:
    void sample(std::uint64_t events_done) {
        const std::int64_t kib = resident_kib();
        if (kib < 0) return;
        if (events_done == 0) at_start_ = kib;
        if (events_done <= kWarmUpEvents) {
            after_warm_up_ = kib;
        } else if (kib > highest_after_warm_up_) {
            highest_after_warm_up_ = kib;
            highest_at_ = events_done;
        }
        last_ = kib;
    }

    bool judged(std::uint64_t events) const { return events >= kShortestJudgedRun; }
    std::int64_t growth() const { return highest_after_warm_up_ - after_warm_up_; }

    std::string summary(std::uint64_t events) const {
        std::string text = "resident memory: " + mib(at_start_) + " after start-up";
        if (events > kWarmUpEvents) {
            text += ", " + mib(after_warm_up_) + " after the warm-up of " + std::to_string(kWarmUpEvents) +
                    " events, " + mib(last_) + " at the end, highest after the warm-up " +
                    mib(highest_after_warm_up_) + " (event " + std::to_string(highest_at_) + "): growth " +
                    std::to_string(growth()) + " KiB, tolerance " + std::to_string(kGrowthTolerance) + " KiB";
        } else {
            text += ", " + mib(last_) + " at the end";
        }
        if (!judged(events)) {
            text += "; a run of fewer than " + std::to_string(kShortestJudgedRun) + " events is not judged";
        }
        return text;
    }

private:
    std::int64_t at_start_ = 0;
    std::int64_t after_warm_up_ = 0;
    std::int64_t highest_after_warm_up_ = 0;
    std::uint64_t highest_at_ = 0;
    std::int64_t last_ = 0;
};

TEST(WindowSoak, RealWindowFollowsTheModelWithoutGrowing) {
    const auto [seed, events] = run_settings(kDefaultEvents);
    SCOPED_TRACE("seed " + std::to_string(seed) + " (repeat with WAVES_PROPERTY_SEED=" + std::to_string(seed) + ")");
    std::cout << "[ soak ] the real window on the " << QGuiApplication::platformName().toStdString()
              << " platform; seed " << seed << ", " << events << " events\n";
    RecordProperty("seed", std::to_string(seed));

    MainWindow window;
    window.show();
    QCoreApplication::processEvents();
    const Parameters& params = window.form().params;

    testing::LoadedForm recorded;
    InvariantChecker checker(recorded);
    EventGenerator generator(seed);
    WindowDriver driver(window);
    WindowState state(window);
    FreshSurfaces fresh(window);
    MemoryWatch memory;
    std::array<Event, kHistoryLength> history{};
    std::uint64_t window_checks = 0;

    const auto report = [&](const std::string& where, const std::vector<std::string>& problems) {
        std::string text = where;
        for (const std::string& problem : problems) text += "\n  " + problem;
        return text;
    };

    {
        ASSERT_TRUE(checker.check_state()) << "the recorded form's start-up state is already wrong";
        std::vector<std::string> problems;
        ++window_checks;
        if (!(params == recorded.form.params)) {
            problems.push_back("parameters after start-up: " + differences(params, recorded.form.params));
        }
        state.compare(params, problems);
        fresh.compare(params, problems);
        ASSERT_TRUE(problems.empty()) << report("right after start-up:", problems);
    }
    memory.sample(0);

    for (std::uint64_t n = 0; n < events; ++n) {
        const Event event = generator.next(params);
        history[n % kHistoryLength] = event;
        const Prediction prediction = predict(params, event);
        checker.before(event, n);
        dispatch(recorded.form, event);
        driver.perform(event);

        const bool last = n + 1 == events;
        const bool recorded_ok = checker.after(prediction, last);
        std::vector<std::string> problems;
        window_checks += 2;
        if (!(params == prediction.after)) {
            problems.push_back(std::string(prediction.acts ? "" : "the step should have been refused; ") +
                               "parameters: " + differences(params, prediction.after));
        }
        if (!(params == recorded.form.params)) {
            problems.push_back("parameters unlike the recorded form's: " + differences(params, recorded.form.params));
        }
        state.compare(params, problems);
        if ((n + 1) % kPictureInterval == 0 || last) fresh.compare(params, problems);
        if (!recorded_ok || !problems.empty()) {
            std::string before_it;
            for (std::uint64_t k = n >= kHistoryLength ? n - kHistoryLength + 1 : 0; k <= n; ++k) {
                before_it += "\n  #" + std::to_string(k) + " " + event_name(history[k % kHistoryLength]) + " on " +
                             binding(history[k % kHistoryLength]).control;
            }
            FAIL() << report("after event #" + std::to_string(n) + " " + event_name(event) + ":", problems)
                   << "\nrepeat with WAVES_PROPERTY_SEED=" << seed << " WAVES_PROPERTY_EVENTS=" << n + 1
                   << "; the last events were:" << before_it;
        }
        if ((n + 1) % kSampleInterval == 0 || last) memory.sample(n + 1);
    }

    const std::uint64_t checks = checker.checks() + window_checks + state.checks() + fresh.checks();
    std::cout << "[ soak ] " << events << " events on the real window, " << checks << " checks ("
              << checker.checks() << " invariant checks on the recorded form, "
              << window_checks + state.checks() << " of the window's parameters, labels and option buttons, "
              << fresh.checks() << " picture comparisons)\n"
              << "[ soak ] " << memory.summary(events) << "\n";
    RecordProperty("checks", std::to_string(checks));
    if (memory.judged(events)) {
        EXPECT_LE(memory.growth(), kGrowthTolerance)
            << "the resident memory grew after the warm-up: " << memory.summary(events);
    }
}

}  // namespace
}  // namespace waves::property

int main(int argc, char** argv) {
    using namespace waves;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // As the program itself starts.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    install_font_substitutes();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
