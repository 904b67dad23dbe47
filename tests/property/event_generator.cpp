#include "tests/property/event_generator.h"

#include <array>
#include <cstddef>

#include "tests/property/handler_model.h"

namespace waves::property {
namespace {

constexpr std::array<std::int64_t, 4> kSteps = {10, 5, 2, 1};  // largest first
// The bounds of the amplitudes and of the reference frequency worth landing
// on: the lowest, the highest from which a step of 1.0 is still allowed, the
// raise limit and the highest value.
constexpr std::array<std::int64_t, 4> kAmplitudeBounds = {0, 99, 100, 109};
// Share of the events, in percent, that are a refused event or a step
// choice in between the moves.
constexpr int kCheapShare = 80;

bool is_span_increase(Event event) { return event.handler == Handler::SpinButton11_SpinUp; }

bool is_arrow(Handler handler) {
    switch (handler) {
        case Handler::SpinButton3_SpinUp:
        case Handler::SpinButton3_SpinDown:
        case Handler::SpinButton4_SpinUp:
        case Handler::SpinButton4_SpinDown:
        case Handler::SpinButton1_SpinUp:
        case Handler::SpinButton1_SpinDown:
        case Handler::SpinButton2_SpinUp:
        case Handler::SpinButton2_SpinDown:
        case Handler::SpinButton11_SpinUp:
        case Handler::SpinButton11_SpinDown: return true;
        default: return false;
    }
}

}  // namespace

EventGenerator::EventGenerator(std::uint64_t seed) : state_(seed) {
    events_until_climb_ = 1 + below(kFirstClimbWithin);
}

// SplitMix64: small, fast, and the same sequence on every platform.
std::uint64_t EventGenerator::random() {
    state_ += 0x9E3779B97F4A7C15u;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
}

std::uint64_t EventGenerator::below(std::uint64_t bound) { return random() % bound; }

int EventGenerator::below(int bound) { return static_cast<int>(below(static_cast<std::uint64_t>(bound))); }

Event EventGenerator::next(const Parameters& params) {
    if (events_until_climb_ > 0) --events_until_climb_;
    if (below(100) < kCheapShare) return refused_or_step(params);
    return move(params);
}

Event EventGenerator::refused_or_step(const Parameters& params) {
    if (!refused_known_ || !(refused_for_ == params)) {
        refused_.clear();
        for (const Event event : all_events()) {
            if (!predict(params, event).acts) refused_.push_back(event);
        }
        refused_for_ = params;
        refused_known_ = true;
    }
    if (!refused_.empty() && below(10) < 7) {
        return refused_[static_cast<std::size_t>(below(static_cast<int>(refused_.size())))];
    }
    return step_option();
}

Event EventGenerator::move(const Parameters& params) {
    const bool modest = params.t_span < static_cast<float>(kModestSpan);
    if (repeats_left_ > 0 && (modest || climbing_ || !is_span_increase(repeated_))) {
        --repeats_left_;
        return repeated_;
    }
    repeats_left_ = 0;
    if (climbing_) {
        // Back down from the climb, mostly by RESET.
        climbing_ = false;
        goal_ = {Quantity::span, 0, 1};
        goal_budget_ = 80;
    }
    Event event = choose(params);
    if (is_span_increase(event) && !modest && !climbing_) event.handler = Handler::SpinButton11_SpinDown;
    return event;
}

Event EventGenerator::choose(const Parameters& params) {
    if (probes_left_ > 0) {
        --probes_left_;
        return probe();
    }
    Event event;
    if (goal_budget_ > 0) {
        --goal_budget_;
        return steer(params, event) ? event : goal_reached();
    }
    if (events_until_climb_ == 0) {
        events_until_climb_ = kClimbSpacing + below(kClimbSpacing);
        start_climb();
        return repeated_;
    }
    // A move: 30 % any event, 25 % a run of one arrow, 10 % a step choice,
    // 35 % steering to a bound.
    const int roll = below(100);
    if (roll < 30) return any_event();
    if (roll < 55) {
        start_run();
        return repeated_;
    }
    if (roll < 65) return step_option();
    start_goal();
    return steer(params, event) ? event : goal_reached();
}

Event EventGenerator::any_event() {
    const std::vector<Event>& events = all_events();
    return events[static_cast<std::size_t>(below(static_cast<int>(events.size())))];
}

Event EventGenerator::step_option() {
    // The finest step reaches every value; the coarsest jumps over bounds.
    const int roll = below(10);
    const bool amplitude = below(2) == 0;
    if (roll < 4) return {amplitude ? Handler::Option8_Click : Handler::Option4_Click, 0};
    if (roll < 7) return {amplitude ? Handler::Option5_Click : Handler::Option1_Click, 0};
    const int first = static_cast<int>(amplitude ? Handler::Option5_Click : Handler::Option1_Click);
    return {static_cast<Handler>(first + below(4)), 0};
}

void EventGenerator::start_run() {
    // Any arrow of any row: the component rows, having most arrows, get most runs.
    Event event;
    do {
        event = any_event();
    } while (!is_arrow(event.handler));
    repeated_ = event;
    repeats_left_ = 1 + below(20);
}

void EventGenerator::start_climb() {
    climbing_ = true;
    repeated_ = {Handler::SpinButton11_SpinUp, 0};
    repeats_left_ = 40 + below(160);
}

void EventGenerator::start_goal() {
    const int roll = below(100);
    goal_ = {};
    if (roll < 35) {
        goal_.quantity = Quantity::component_amplitude;
        goal_.index = below(kComponentCount);
    } else if (roll < 65) {
        goal_.quantity = Quantity::component_frequency;
        goal_.index = below(kComponentCount);
    } else if (roll < 77) {
        goal_.quantity = Quantity::reference_amplitude;
    } else if (roll < 90) {
        goal_.quantity = Quantity::reference_frequency;
    } else {
        goal_.quantity = Quantity::span;
    }
    switch (goal_.quantity) {
        case Quantity::component_frequency: goal_.target = 0; break;
        case Quantity::span: goal_.target = 1; break;
        default: goal_.target = kAmplitudeBounds[static_cast<std::size_t>(below(4))]; break;
    }
    goal_budget_ = 80;
}

// The next event towards the goal, or false when the goal is reached.
bool EventGenerator::steer(const Parameters& params, Event& event) {
    const std::int64_t now = value(params, goal_.quantity, goal_.index);
    if (goal_.quantity == Quantity::span) {
        if (now <= goal_.target) return false;
        event = below(4) == 0 ? Event{Handler::Command1_Click, 0} : arrow(false);
        return true;
    }
    std::int64_t target = goal_.target;
    if (target == 109) {
        // Only 99 + 10 lands on 109: go to 99, then take the step of 1.0 up.
        if (now == 109) return false;
        if (now == 99) {
            event = current_step(params, goal_.quantity) == 10 ? arrow(true) : step_for(10);
            return true;
        }
        target = 99;
    }
    if (now == target) return false;
    const std::int64_t distance = now < target ? target - now : now - target;
    std::int64_t step = 1;
    for (const std::int64_t s : kSteps) {
        if (s <= distance) {
            step = s;
            break;
        }
    }
    event = current_step(params, goal_.quantity) == step ? arrow(now < target) : step_for(step);
    return true;
}

// At the bound: one to six pushes against it.
Event EventGenerator::goal_reached() {
    goal_budget_ = 0;
    probes_left_ = below(6);
    return probe();
}

// A push against the bound of the goal, or a step choice before the next one.
Event EventGenerator::probe() {
    if (goal_.quantity != Quantity::span && below(10) < 4) {
        return step_for(kSteps[static_cast<std::size_t>(below(4))]);
    }
    if (goal_.target == 99) return arrow(below(2) == 0);
    return arrow(goal_.target >= 99);
}

Event EventGenerator::arrow(bool up) const {
    switch (goal_.quantity) {
        case Quantity::component_amplitude:
            return {up ? Handler::SpinButton3_SpinUp : Handler::SpinButton3_SpinDown, goal_.index};
        case Quantity::component_frequency:
            return {up ? Handler::SpinButton4_SpinUp : Handler::SpinButton4_SpinDown, goal_.index};
        case Quantity::reference_amplitude:
            return {up ? Handler::SpinButton1_SpinUp : Handler::SpinButton1_SpinDown, 0};
        case Quantity::reference_frequency:
            return {up ? Handler::SpinButton2_SpinUp : Handler::SpinButton2_SpinDown, 0};
        case Quantity::span: break;
    }
    return {up ? Handler::SpinButton11_SpinUp : Handler::SpinButton11_SpinDown, 0};
}

bool EventGenerator::steps_in_amplitude() const {
    return goal_.quantity == Quantity::component_amplitude || goal_.quantity == Quantity::reference_amplitude;
}

Event EventGenerator::step_for(std::int64_t step) const {
    const bool amplitude = steps_in_amplitude();
    switch (step) {
        case 10: return {amplitude ? Handler::Option5_Click : Handler::Option1_Click, 0};
        case 5: return {amplitude ? Handler::Option6_Click : Handler::Option2_Click, 0};
        case 2: return {amplitude ? Handler::Option7_Click : Handler::Option3_Click, 0};
        default: return {amplitude ? Handler::Option8_Click : Handler::Option4_Click, 0};
    }
}

std::int64_t EventGenerator::value(const Parameters& params, Quantity quantity, int index) {
    const auto i = static_cast<std::size_t>(index);
    switch (quantity) {
        case Quantity::component_amplitude: return params.wave_a[i];
        case Quantity::component_frequency: return params.wave_f[i];
        case Quantity::reference_amplitude: return params.std_a;
        case Quantity::reference_frequency: return static_cast<std::int64_t>(params.std_f);
        case Quantity::span: break;
    }
    return static_cast<std::int64_t>(params.t_span);
}

std::int64_t EventGenerator::current_step(const Parameters& params, Quantity quantity) {
    if (quantity == Quantity::component_amplitude || quantity == Quantity::reference_amplitude) {
        return params.step_a;
    }
    return params.step_f;
}

}  // namespace waves::property
