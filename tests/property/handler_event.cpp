#include "tests/property/handler_event.h"

#include <array>
#include <stdexcept>
#include <string_view>

namespace waves::property {
namespace {

constexpr std::array<std::string_view, kHandlerCount> kHandlerNames = {
#define WAVES_HANDLER_NAME(name) #name,
    WAVES_MODEL_HANDLERS(WAVES_HANDLER_NAME)
#undef WAVES_HANDLER_NAME
};

std::size_t at(Handler handler) { return static_cast<std::size_t>(handler); }

// A handler is named after its control and event: SpinButton3_SpinUp is the
// upper arrow of the control array SpinButton3, Command1_Click a click on
// Command1. The control and the event the handler's name gives.
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
    std::size_t expected = 0;
    for (std::size_t h = 0; h < kHandlerCount; ++h) {
        expected += takes_component_index(static_cast<Handler>(h)) ? std::size_t{kComponentCount} : 1;
    }
    for (const ControlHandler& entry : control_handlers()) {
        const Event event{handler_called(entry.handler_name), entry.index};
        const bool indexed = takes_component_index(event.handler);
        if (event.index < 0 || event.index >= (indexed ? kComponentCount : 1)) {
            throw std::logic_error("the event binding gives " + entry.handler_name + " the index " +
                                   std::to_string(event.index));
        }
        if (entry.control != named_control(entry, indexed) || entry.event != named_event(entry.handler_name)) {
            throw std::logic_error("the event binding sends " + event_name(event) + " from " + entry.control +
                                   ", not from the control and event its name says");
        }
        const ControlHandler*& slot = events.bindings[at(event.handler)][static_cast<std::size_t>(event.index)];
        if (slot != nullptr) throw std::logic_error("the event binding binds " + event_name(event) + " twice");
        slot = &entry;
        events.all.push_back(event);
    }
    // No event twice, so as many as expected means every one.
    if (events.all.size() != expected) throw std::logic_error("the event binding leaves out a handler of the model");
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
