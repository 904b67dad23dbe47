#include "tests/property/handler_event.h"

#include <cassert>

#include "core/controls/reset_button.h"
#include "core/controls/component_controls.h"
#include "core/controls/reference_controls.h"
#include "core/controls/step_size_controls.h"
#include "core/controls/time_span_controls.h"

namespace waves::property {
namespace {

const char* handler_name(Handler handler) {
    switch (handler) {
        case Handler::Command1_Click: return "Command1_Click";
        case Handler::SpinButton3_SpinUp: return "SpinButton3_SpinUp";
        case Handler::SpinButton3_SpinDown: return "SpinButton3_SpinDown";
        case Handler::SpinButton4_SpinUp: return "SpinButton4_SpinUp";
        case Handler::SpinButton4_SpinDown: return "SpinButton4_SpinDown";
        case Handler::switch_c_Click: return "switch_c_Click";
        case Handler::switch_s_Click: return "switch_s_Click";
        case Handler::SpinButton1_SpinUp: return "SpinButton1_SpinUp";
        case Handler::SpinButton1_SpinDown: return "SpinButton1_SpinDown";
        case Handler::SpinButton2_SpinUp: return "SpinButton2_SpinUp";
        case Handler::SpinButton2_SpinDown: return "SpinButton2_SpinDown";
        case Handler::Option9_Click: return "Option9_Click";
        case Handler::Option10_Click: return "Option10_Click";
        case Handler::SpinButton11_SpinUp: return "SpinButton11_SpinUp";
        case Handler::SpinButton11_SpinDown: return "SpinButton11_SpinDown";
        case Handler::Option1_Click: return "Option1_Click";
        case Handler::Option2_Click: return "Option2_Click";
        case Handler::Option3_Click: return "Option3_Click";
        case Handler::Option4_Click: return "Option4_Click";
        case Handler::Option5_Click: return "Option5_Click";
        case Handler::Option6_Click: return "Option6_Click";
        case Handler::Option7_Click: return "Option7_Click";
        case Handler::Option8_Click: return "Option8_Click";
    }
    return "?";
}

std::array<Event, kEventCount> list_all_events() {
    std::array<Event, kEventCount> events{};
    std::size_t n = 0;
    for (int h = 0; h <= static_cast<int>(Handler::Option8_Click); ++h) {
        const auto handler = static_cast<Handler>(h);
        const int indices = takes_component_index(handler) ? kComponentCount : 1;
        for (int i = 0; i < indices; ++i) events.at(n++) = {handler, i};
    }
    assert(n == kEventCount);
    return events;
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

const std::array<Event, kEventCount>& all_events() {
    static const std::array<Event, kEventCount> events = list_all_events();
    return events;
}

std::string event_name(Event event) {
    std::string name = handler_name(event.handler);
    if (takes_component_index(event.handler)) name += "(" + std::to_string(event.index) + ")";
    return name;
}

void dispatch(Form& form, Event event) {
    const int i = event.index;
    switch (event.handler) {
        case Handler::Command1_Click: Command1_Click(form); break;
        case Handler::SpinButton3_SpinUp: SpinButton3_SpinUp(form, i); break;
        case Handler::SpinButton3_SpinDown: SpinButton3_SpinDown(form, i); break;
        case Handler::SpinButton4_SpinUp: SpinButton4_SpinUp(form, i); break;
        case Handler::SpinButton4_SpinDown: SpinButton4_SpinDown(form, i); break;
        case Handler::switch_c_Click: switch_c_Click(form, i); break;
        case Handler::switch_s_Click: switch_s_Click(form, i); break;
        case Handler::SpinButton1_SpinUp: SpinButton1_SpinUp(form); break;
        case Handler::SpinButton1_SpinDown: SpinButton1_SpinDown(form); break;
        case Handler::SpinButton2_SpinUp: SpinButton2_SpinUp(form); break;
        case Handler::SpinButton2_SpinDown: SpinButton2_SpinDown(form); break;
        case Handler::Option9_Click: Option9_Click(form); break;
        case Handler::Option10_Click: Option10_Click(form); break;
        case Handler::SpinButton11_SpinUp: SpinButton11_SpinUp(form); break;
        case Handler::SpinButton11_SpinDown: SpinButton11_SpinDown(form); break;
        case Handler::Option1_Click: Option1_Click(form); break;
        case Handler::Option2_Click: Option2_Click(form); break;
        case Handler::Option3_Click: Option3_Click(form); break;
        case Handler::Option4_Click: Option4_Click(form); break;
        case Handler::Option5_Click: Option5_Click(form); break;
        case Handler::Option6_Click: Option6_Click(form); break;
        case Handler::Option7_Click: Option7_Click(form); break;
        case Handler::Option8_Click: Option8_Click(form); break;
    }
}

}  // namespace waves::property
