#include "layout/control_events.h"

#include "core/controls/reset_button.h"
#include "core/controls/component_controls.h"
#include "core/controls/reference_controls.h"
#include "core/controls/step_size_controls.h"
#include "core/controls/time_span_controls.h"

namespace waves {

namespace {

using Handler = void (*)(Form&, int);

// The handlers that take no index, in the shape of those that do.
template <void (*handler)(Form&)>
void without_index(Form& form, int) {
    handler(form);
}

std::vector<ControlHandler> build_handlers() {
    using E = ControlEvent;
    std::vector<ControlHandler> handlers;
    const auto add = [&](std::string control, ControlEvent event, Handler handler, int index = 0) {
        handlers.push_back({std::move(control), event, handler, index});
    };
    add("SpinButton1", E::spin_up, without_index<waves::SpinButton1_SpinUp>);
    add("SpinButton1", E::spin_down, without_index<waves::SpinButton1_SpinDown>);
    add("SpinButton2", E::spin_up, without_index<waves::SpinButton2_SpinUp>);
    add("SpinButton2", E::spin_down, without_index<waves::SpinButton2_SpinDown>);
    add("Option9", E::click, without_index<waves::Option9_Click>);
    add("Option10", E::click, without_index<waves::Option10_Click>);
    for (int i = 0; i < kComponentCount; ++i) {
        const std::string index = "(" + std::to_string(i) + ")";
        add("SpinButton3" + index, E::spin_up, waves::SpinButton3_SpinUp, i);
        add("SpinButton3" + index, E::spin_down, waves::SpinButton3_SpinDown, i);
        add("SpinButton4" + index, E::spin_up, waves::SpinButton4_SpinUp, i);
        add("SpinButton4" + index, E::spin_down, waves::SpinButton4_SpinDown, i);
        add("switch_c" + index, E::click, waves::switch_c_Click, i);
        add("switch_s" + index, E::click, waves::switch_s_Click, i);
    }
    add("SpinButton11", E::spin_up, without_index<waves::SpinButton11_SpinUp>);
    add("SpinButton11", E::spin_down, without_index<waves::SpinButton11_SpinDown>);
    add("Command1", E::click, without_index<waves::Command1_Click>);
    add("Option1", E::click, without_index<waves::Option1_Click>);
    add("Option2", E::click, without_index<waves::Option2_Click>);
    add("Option3", E::click, without_index<waves::Option3_Click>);
    add("Option4", E::click, without_index<waves::Option4_Click>);
    add("Option5", E::click, without_index<waves::Option5_Click>);
    add("Option6", E::click, without_index<waves::Option6_Click>);
    add("Option7", E::click, without_index<waves::Option7_Click>);
    add("Option8", E::click, without_index<waves::Option8_Click>);
    return handlers;
}

}  // namespace

const std::vector<ControlHandler>& control_handlers() {
    static const std::vector<ControlHandler> handlers = build_handlers();
    return handlers;
}

}  // namespace waves
