// One user event of the window, as the property test sends it: which handler
// runs and, for the controls of a component row, on which component (0..3
// for A..D).
//
// The events are the entries of the window's event binding
// (layout/control_events.h), in its order, each matched to the model's
// Handler (handler_model.h) by the handler's name there; running an event
// runs the function the binding gives.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/app/form.h"
#include "layout/control_events.h"

namespace waves::property {

// The handlers the model has a rule for, named as the event binding names them.
#define WAVES_MODEL_HANDLERS(X)                                                                          \
    X(Command1_Click)                                                                                    \
    X(SpinButton3_SpinUp) X(SpinButton3_SpinDown) X(SpinButton4_SpinUp) X(SpinButton4_SpinDown)          \
    X(switch_c_Click) X(switch_s_Click)                                                                  \
    X(SpinButton1_SpinUp) X(SpinButton1_SpinDown) X(SpinButton2_SpinUp) X(SpinButton2_SpinDown)          \
    X(Option9_Click) X(Option10_Click) X(SpinButton11_SpinUp) X(SpinButton11_SpinDown)                   \
    X(Option1_Click) X(Option2_Click) X(Option3_Click) X(Option4_Click)                                  \
    X(Option5_Click) X(Option6_Click) X(Option7_Click) X(Option8_Click)

enum class Handler : std::uint8_t {
#define WAVES_HANDLER_ENUMERATOR(name) name,
    WAVES_MODEL_HANDLERS(WAVES_HANDLER_ENUMERATOR)
#undef WAVES_HANDLER_ENUMERATOR
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
