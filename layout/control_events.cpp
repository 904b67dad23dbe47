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
    const auto add = [&](std::string control, ControlEvent event, std::string name, Handler handler,
                         int index = 0) {
        handlers.push_back({std::move(control), event, std::move(name), handler, index});
    };
    add("SpinButton1", E::spin_up, "SpinButton1_SpinUp", without_index<SpinButton1_SpinUp>);
    add("SpinButton1", E::spin_down, "SpinButton1_SpinDown", without_index<SpinButton1_SpinDown>);
    add("SpinButton2", E::spin_up, "SpinButton2_SpinUp", without_index<SpinButton2_SpinUp>);
    add("SpinButton2", E::spin_down, "SpinButton2_SpinDown", without_index<SpinButton2_SpinDown>);
    add("Option9", E::click, "Option9_Click", without_index<Option9_Click>);
    add("Option10", E::click, "Option10_Click", without_index<Option10_Click>);
    for (int i = 0; i < kComponentCount; ++i) {
        const std::string index = "(" + std::to_string(i) + ")";
        add("SpinButton3" + index, E::spin_up, "SpinButton3_SpinUp", SpinButton3_SpinUp, i);
        add("SpinButton3" + index, E::spin_down, "SpinButton3_SpinDown", SpinButton3_SpinDown, i);
        add("SpinButton4" + index, E::spin_up, "SpinButton4_SpinUp", SpinButton4_SpinUp, i);
        add("SpinButton4" + index, E::spin_down, "SpinButton4_SpinDown", SpinButton4_SpinDown, i);
        add("switch_c" + index, E::click, "switch_c_Click", switch_c_Click, i);
        add("switch_s" + index, E::click, "switch_s_Click", switch_s_Click, i);
    }
    add("SpinButton11", E::spin_up, "SpinButton11_SpinUp", without_index<SpinButton11_SpinUp>);
    add("SpinButton11", E::spin_down, "SpinButton11_SpinDown", without_index<SpinButton11_SpinDown>);
    add("Command1", E::click, "Command1_Click", without_index<Command1_Click>);
    add("Option1", E::click, "Option1_Click", without_index<Option1_Click>);
    add("Option2", E::click, "Option2_Click", without_index<Option2_Click>);
    add("Option3", E::click, "Option3_Click", without_index<Option3_Click>);
    add("Option4", E::click, "Option4_Click", without_index<Option4_Click>);
    add("Option5", E::click, "Option5_Click", without_index<Option5_Click>);
    add("Option6", E::click, "Option6_Click", without_index<Option6_Click>);
    add("Option7", E::click, "Option7_Click", without_index<Option7_Click>);
    add("Option8", E::click, "Option8_Click", without_index<Option8_Click>);
    return handlers;
}

}  // namespace

const std::vector<ControlHandler>& control_handlers() {
    static const std::vector<ControlHandler> handlers = build_handlers();
    return handlers;
}

}  // namespace waves
