// One user event of the window, as the property test sends it: which handler
// runs and, for the controls of a component row, on which component (0..3
// for A..D). Every handler the window binds to a control has a value here.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/app/form.h"

namespace waves::property {

enum class Handler : std::uint8_t {
    Command1_Click,
    SpinButton3_SpinUp,
    SpinButton3_SpinDown,
    SpinButton4_SpinUp,
    SpinButton4_SpinDown,
    switch_c_Click,
    switch_s_Click,
    SpinButton1_SpinUp,
    SpinButton1_SpinDown,
    SpinButton2_SpinUp,
    SpinButton2_SpinDown,
    Option9_Click,
    Option10_Click,
    SpinButton11_SpinUp,
    SpinButton11_SpinDown,
    Option1_Click,
    Option2_Click,
    Option3_Click,
    Option4_Click,
    Option5_Click,
    Option6_Click,
    Option7_Click,
    Option8_Click,
};

struct Event {
    Handler handler = Handler::Command1_Click;
    int index = 0;  // the component, for the handlers of a component row; else 0
    friend bool operator==(const Event&, const Event&) = default;
};

// The handlers of the component rows' control arrays take a component index.
bool takes_component_index(Handler handler);

// Every distinct event: each handler once, the component handlers once per
// component (41 in all).
inline constexpr std::size_t kEventCount = 41;
const std::array<Event, kEventCount>& all_events();

// "SpinButton3_SpinUp(2)", "Option9_Click": the handler's name and its index.
std::string event_name(Event event);

// Runs the event's handler on the form.
void dispatch(Form& form, Event event);

}  // namespace waves::property
