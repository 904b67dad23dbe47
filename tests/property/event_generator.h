// A random sequence of events, the same for the same seed.
//
// Pure chance would seldom reach the edges, so the choice is weighted
// towards them. The values move by events picked uniformly from all events
// (all_events()), by runs of one arrow, and by steering a value to a bound
// (an amplitude or the reference frequency to 0, 99, 100 or 109, a component
// frequency to 0, the span to 1) with the steps that land on it exactly,
// followed by pushes against the bound. Between those moves come, most of
// the time, events that the handler model says are refused in the current
// state (every guard that holds a value at its bound right now) and step
// choices, with the finest and the coarsest steps preferred. Those cost no
// redraw, which keeps a long run fast while every guard is tried in many
// states.
//
// The span stays at most kModestSpan, because every redraw draws one grid
// line per period, except for long climbs well beyond it, each followed by
// a way back to one period: the first starts at the first move after
// kFirstClimbWithin events at the latest, the next ones kClimbSpacing to
// 2 x kClimbSpacing events later.
#pragma once

#include <cstdint>
#include <vector>

#include "core/model/parameters.h"
#include "tests/property/handler_event.h"

namespace waves::property {

inline constexpr std::int64_t kModestSpan = 32;
inline constexpr std::uint64_t kFirstClimbWithin = 20'000;
inline constexpr std::uint64_t kClimbSpacing = 20'000;

class EventGenerator {
public:
    explicit EventGenerator(std::uint64_t seed);

    // The next event; params are the current parameters, which the steering
    // looks at. Never a span increase above kModestSpan outside a climb.
    Event next(const Parameters& params);

private:
    enum class Quantity { component_amplitude, component_frequency, reference_amplitude, reference_frequency, span };
    struct Goal {
        Quantity quantity = Quantity::span;
        int index = 0;            // the component, for the component quantities
        std::int64_t target = 0;  // the bound to reach
    };

    std::uint64_t random();
    std::uint64_t below(std::uint64_t bound);  // uniform in 0 .. bound - 1
    int below(int bound);

    Event refused_or_step(const Parameters& params);
    Event move(const Parameters& params);
    Event choose(const Parameters& params);
    Event any_event();
    Event step_option();
    void start_run();
    void start_climb();
    void start_goal();
    bool steer(const Parameters& params, Event& event);
    Event goal_reached();
    Event probe();
    Event arrow(bool up) const;
    Event step_for(std::int64_t step) const;
    bool steps_in_amplitude() const;
    static std::int64_t value(const Parameters& params, Quantity quantity, int index);
    static std::int64_t current_step(const Parameters& params, Quantity quantity);

    std::uint64_t state_;
    Parameters refused_for_{};  // the parameters refused_ was worked out for
    bool refused_known_ = false;
    std::vector<Event> refused_;  // the events refused in that state
    Event repeated_{};
    int repeats_left_ = 0;
    bool climbing_ = false;  // a long run of span increases, allowed past kModestSpan
    std::uint64_t events_until_climb_ = 0;
    Goal goal_{};
    int goal_budget_ = 0;    // events left to reach the goal before giving up
    int probes_left_ = 0;    // pushes against the bound once the goal is reached
};

}  // namespace waves::property
