#include "tests/property/handler_event.h"

#include <array>
#include <stdexcept>
#include <string_view>

namespace waves::property {
namespace {

// The names the event binding gives the handlers, in the order of Handler.
// A name in the wrong place here would send the model's rule for one
// handler to the events of another, which the property test then reports.
constexpr std::array<std::string_view, kHandlerCount> kHandlerNames = {
    "Command1_Click",        "SpinButton3_SpinUp",   "SpinButton3_SpinDown", "SpinButton4_SpinUp",
    "SpinButton4_SpinDown",  "switch_c_Click",       "switch_s_Click",       "SpinButton1_SpinUp",
    "SpinButton1_SpinDown",  "SpinButton2_SpinUp",   "SpinButton2_SpinDown", "Option9_Click",
    "Option10_Click",        "SpinButton11_SpinUp",  "SpinButton11_SpinDown", "Option1_Click",
    "Option2_Click",         "Option3_Click",        "Option4_Click",        "Option5_Click",
    "Option6_Click",         "Option7_Click",        "Option8_Click",
};

std::size_t at(Handler handler) { return static_cast<std::size_t>(handler); }

// A handler is named after the control it serves and the event it answers:
// SpinButton3_SpinUp is the upper arrow of the control array SpinButton3,
// Command1_Click a click on Command1. The control and event that the
// binding sends it from, as that name says they are.
std::string named_control(const ControlHandler& entry, bool indexed) {
    const std::string& name = entry.handler_name;
    const std::string control = name.substr(0, name.rfind('_'));
    return indexed ? control + "(" + std::to_string(entry.index) + ")" : control;
}

ControlEvent named_event(const std::string& name) {
    const std::string_view event = std::string_view(name).substr(name.rfind('_') + 1);
    return event == "SpinUp" ? ControlEvent::spin_up
           : event == "SpinDown" ? ControlEvent::spin_down
                                 : ControlEvent::click;
}

Handler handler_called(const std::string& name) {
    for (std::size_t h = 0; h < kHandlerCount; ++h) {
        if (kHandlerNames[h] == name) return static_cast<Handler>(h);
    }
    throw std::logic_error("the event binding names a handler the model has no rule for: " + name);
}

// The events and, for each handler and component, its entry in the binding.
struct Events {
    std::vector<Event> all;
    std::array<std::array<const ControlHandler*, kComponentCount>, kHandlerCount> bindings{};
};

Events list_events() {
    Events events;
    for (const ControlHandler& entry : control_handlers()) {
        const Event event{handler_called(entry.handler_name), entry.index};
        const int indices = takes_component_index(event.handler) ? kComponentCount : 1;
        if (event.index < 0 || event.index >= indices) {
            throw std::logic_error("the event binding gives " + entry.handler_name + " the index " +
                                   std::to_string(event.index));
        }
        if (entry.control != named_control(entry, indices > 1) || entry.event != named_event(entry.handler_name)) {
            throw std::logic_error("the event binding sends " + event_name(event) + " from " + entry.control +
                                   ", not from the control and event its name says");
        }
        const ControlHandler*& slot = events.bindings[at(event.handler)][static_cast<std::size_t>(event.index)];
        if (slot != nullptr) throw std::logic_error("the event binding binds " + event_name(event) + " twice");
        slot = &entry;
        events.all.push_back(event);
    }
    for (std::size_t h = 0; h < kHandlerCount; ++h) {
        const auto handler = static_cast<Handler>(h);
        const int indices = takes_component_index(handler) ? kComponentCount : 1;
        for (int i = 0; i < indices; ++i) {
            if (events.bindings[h][static_cast<std::size_t>(i)] == nullptr) {
                throw std::logic_error("the event binding never sends " + event_name({handler, i}));
            }
        }
    }
    return events;
}

const Events& events() {
    static const Events listed = list_events();
    return listed;
}

}  // namespace

bool takes_component_index(Handler handler) {
    switch (handler) {
        case Handler::SpinButton3_SpinUp:
        case Handler::SpinButton3_SpinDown:
        case Handler::SpinButton4_SpinUp:
        case Handler::SpinButton4_SpinDown:
        case Handler::switch_c_Click:
        case Handler::switch_s_Click: return true;
        default: return false;
    }
}

const std::vector<Event>& all_events() { return events().all; }

const ControlHandler& binding(Event event) {
    return *events().bindings[at(event.handler)][static_cast<std::size_t>(event.index)];
}

std::string event_name(Event event) {
    std::string name(kHandlerNames[at(event.handler)]);
    if (takes_component_index(event.handler)) name += "(" + std::to_string(event.index) + ")";
    return name;
}

void dispatch(Form& form, Event event) {
    const ControlHandler& entry = binding(event);
    entry.handler(form, entry.index);
}

}  // namespace waves::property
