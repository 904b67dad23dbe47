// One user event of the window, as the property test sends it: which handler
// runs and, for the controls of a component row, on which component (0..3
// for A..D).
//
// The events are those of the window's event binding (layout/control_events.h),
// one for each of its entries, in its order. Handler is the model's own
// name for each handler (handler_model.h has a rule for every one); an
// entry of the binding is matched to it by the handler's name there, and
// running an event runs the handler the binding gives.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/app/form.h"
#include "layout/control_events.h"

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
inline constexpr std::size_t kHandlerCount = static_cast<std::size_t>(Handler::Option8_Click) + 1;

struct Event {
    Handler handler = Handler::Command1_Click;
    int index = 0;  // the component, for the handlers of a component row; else 0
    friend bool operator==(const Event&, const Event&) = default;
};

// The handlers of the component rows' control arrays take a component index.
bool takes_component_index(Handler handler);

// Every distinct event: one for each entry of the event binding.
// Throws std::logic_error unless the binding binds each handler of a
// component row once for each component, with that component as its index,
// and every other handler once, each under the name of a Handler and from
// the control and event its name gives (SpinButton3_SpinUp from the upper
// arrow of SpinButton3(i), Option9_Click from a click on Option9).
const std::vector<Event>& all_events();

// The entry of the event binding that sends the event.
const ControlHandler& binding(Event event);

// "SpinButton3_SpinUp(2)", "Option9_Click": the handler's name and its index.
std::string event_name(Event event);

// Runs the handler the event binding gives for the event on the form.
void dispatch(Form& form, Event event);

}  // namespace waves::property
