// Random sequences of every handler, driven against the core with recorders
// in place of the window: after each event every invariant of
// invariant_checker.h must hold.
//
// A run is reproducible from its seed. Environment:
//   WAVES_PROPERTY_SEED    the seed (default: taken from the clock)
//   WAVES_PROPERTY_EVENTS  how many events (default 100000)
// A failure names the seed, the number and name of the event after which a
// check failed, and the events before it; setting the seed repeats it.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <iostream>
#include <string>

#include "tests/property/event_generator.h"
#include "tests/property/handler_event.h"
#include "tests/property/handler_model.h"
#include "tests/property/invariant_checker.h"
#include "tests/support/recorded_form.h"
#include "tests/property/run_settings.h"

namespace waves::property {
namespace {

constexpr std::uint64_t kDefaultEvents = 100'000;
// Every surface is compared with a fresh drawing at least this often, not
// only when it is redrawn.
constexpr std::uint64_t kFullComparisonInterval = 128;
constexpr std::size_t kHistoryLength = 12;
// Runs this long must have reached every bound and climbed past the modest
// spans (the first climb starts soon after kFirstClimbWithin events and
// passes them within a few hundred); shorter ones may not.
constexpr std::uint64_t kEventsForCoverage = kFirstClimbWithin + 5'000;

// How often the run reached what it is meant to reach: refusals of every
// guarded arrow, and every bound of every value.
class Coverage {
public:
    void record(const Parameters& before, Event event, const Prediction& prediction) {
        ++handler_runs_[static_cast<std::size_t>(event.handler)];
        ++redraws_[static_cast<std::size_t>(prediction.redraw)];
        if (!prediction.acts) {
            ++refused_[static_cast<std::size_t>(event.handler)];
            return;
        }
        const Parameters& after = prediction.after;
        for (std::size_t i = 0; i < kComponentCount; ++i) {
            reached_amplitude(before.wave_a[i], after.wave_a[i]);
            if (after.wave_f[i] == 0 && before.wave_f[i] != 0) ++frequency_zero_;
        }
        reached_amplitude(before.std_a, after.std_a);
        reached_amplitude(static_cast<std::int64_t>(before.std_f), static_cast<std::int64_t>(after.std_f));
        if (after.t_span == 1.0f && before.t_span != 1.0f) ++span_one_;
        if (after.t_span > largest_span_) largest_span_ = after.t_span;
    }

    // Every guarded arrow refused, every bound reached at least once.
    void expect_complete() const {
        for (std::size_t h = 0; h < handler_runs_.size(); ++h) {
            EXPECT_GT(handler_runs_[h], 0u) << "handler " << event_name({static_cast<Handler>(h), 0}) << " never ran";
        }
        for (const Handler guarded : {Handler::SpinButton3_SpinUp, Handler::SpinButton3_SpinDown,
                                      Handler::SpinButton4_SpinDown, Handler::SpinButton1_SpinUp,
                                      Handler::SpinButton1_SpinDown, Handler::SpinButton2_SpinUp,
                                      Handler::SpinButton2_SpinDown, Handler::SpinButton11_SpinDown}) {
            EXPECT_GT(refused_[static_cast<std::size_t>(guarded)], 0u)
                << event_name({guarded, 0}) << " was never refused";
        }
        for (std::size_t b = 0; b < kBounds.size(); ++b) {
            EXPECT_GT(amplitude_bound_[b], 0u) << "no amplitude or reference frequency reached " << kBounds[b];
        }
        EXPECT_GT(frequency_zero_, 0u) << "no component frequency came back to 0";
        EXPECT_GT(span_one_, 0u) << "the span never came back to 1";
        EXPECT_GT(largest_span_, static_cast<float>(kModestSpan)) << "the span never went beyond the modest range";
    }

    std::string summary() const {
        std::uint64_t refused = 0;
        for (const std::uint64_t r : refused_) refused += r;
        std::string text = std::to_string(refused) + " refused; redraws: " + std::to_string(redraws_[1]) +
                           " of a component, " + std::to_string(redraws_[2]) + " of W, " +
                           std::to_string(redraws_[3]) + " of everything; bounds reached:";
        for (std::size_t b = 0; b < kBounds.size(); ++b) {
            text += " " + std::to_string(kBounds[b]) + " x" + std::to_string(amplitude_bound_[b]);
        }
        text += " (amplitudes, reference frequency), frequency 0 x" + std::to_string(frequency_zero_) +
                ", span 1 x" + std::to_string(span_one_) +
                "; largest span " + std::to_string(static_cast<std::int64_t>(largest_span_));
        return text;
    }

private:
    static constexpr std::array<std::int64_t, 4> kBounds = {0, 99, 100, 109};

    void reached_amplitude(std::int64_t before, std::int64_t after) {
        if (before == after) return;
        for (std::size_t b = 0; b < kBounds.size(); ++b) {
            if (after == kBounds[b]) ++amplitude_bound_[b];
        }
    }

    std::array<std::uint64_t, kHandlerCount> handler_runs_{};
    std::array<std::uint64_t, kHandlerCount> refused_{};
    std::array<std::uint64_t, 4> redraws_{};  // by Redraw
    std::array<std::uint64_t, 4> amplitude_bound_{};
    std::uint64_t frequency_zero_ = 0;
    std::uint64_t span_one_ = 0;
    float largest_span_ = 1.0f;
};

TEST(RandomEvents, EveryHandlerKeepsEveryInvariant) {
    const auto [seed, events] = run_settings(kDefaultEvents);
    SCOPED_TRACE("seed " + std::to_string(seed) + " (repeat with WAVES_PROPERTY_SEED=" + std::to_string(seed) + ")");
    std::cout << "[ property ] seed " << seed << ", " << events << " events\n";
    RecordProperty("seed", std::to_string(seed));

    testing::LoadedForm form;
    InvariantChecker checker(form);
    EventGenerator generator(seed);
    Coverage coverage;
    std::array<Event, kHistoryLength> history{};

    ASSERT_TRUE(checker.check_state()) << "the start-up state is already wrong";
    for (std::uint64_t n = 0; n < events; ++n) {
        const Event event = generator.next(form.form.params);
        history[n % kHistoryLength] = event;
        const Prediction prediction = predict(form.form.params, event);
        coverage.record(form.form.params, event, prediction);
        checker.before(event, n);
        dispatch(form.form, event);
        const bool every_picture = n % kFullComparisonInterval == kFullComparisonInterval - 1 || n + 1 == events;
        if (!checker.after(prediction, every_picture)) {
            std::string before_it;
            for (std::uint64_t k = n >= kHistoryLength ? n - kHistoryLength + 1 : 0; k <= n; ++k) {
                before_it += "\n  #" + std::to_string(k) + " " + event_name(history[k % kHistoryLength]);
            }
            FAIL() << "stopped at event #" << n << " " << event_name(event) << "; repeat with WAVES_PROPERTY_SEED="
                   << seed << " WAVES_PROPERTY_EVENTS=" << n + 1 << "; the last events were:" << before_it;
        }
    }
    std::cout << "[ property ] " << checker.checks() << " invariant checks after " << events << " events; "
              << coverage.summary() << "\n";
    RecordProperty("checks", std::to_string(checker.checks()));
    if (events >= kEventsForCoverage) coverage.expect_complete();
}

}  // namespace
}  // namespace waves::property
