#include "layout/form_binding.h"

#include "layout/form_parts.h"

namespace waves {

namespace {

// The sentence for the first control of the layout that has a slot in the
// form but is not of the slot's kind in the front end; empty if none.
std::string plug_into_form(const std::vector<ControlSpec>& layout, const FormSlots& slots, BuiltControls& controls) {
    for (const ControlSpec& control : layout) {
        const std::string& name = control.name;
        if (GraphSurface** surface = slots.surface(name)) {
            *surface = controls.surface(control);
            if (*surface == nullptr) return "the control " + name + " is not a graph surface";
        } else if (TextLabel** label = slots.label(name)) {
            *label = controls.label(control);
            if (*label == nullptr) return "the control " + name + " is not a value label";
        } else if (OptionSelection** option = slots.option(name)) {
            *option = controls.option(control);
            if (*option == nullptr) return "the control " + name + " is not an option button";
        }
    }
    return "";
}

}  // namespace

std::string bind_form(const std::vector<ControlSpec>& layout, Form& form, BuiltControls& controls) {
    const FormSlots slots(form);
    if (std::string misfit = plug_into_form(layout, slots, controls); !misfit.empty()) return misfit;
    if (const std::string missing = slots.missing(); !missing.empty()) return "the window has no " + missing;
    for (const ControlHandler& handler : control_handlers()) {
        const auto run = [&form, &handler] { handler.handler(form, handler.index); };
        if (!controls.connect(handler.control, handler.event, run)) {
            return "the window has no control called " + handler.control;
        }
    }
    return "";
}

}  // namespace waves
