#include "ui/window_binding.h"

#include <QPushButton>

#include "layout/control_events.h"
#include "layout/form_parts.h"
#include "ui/graph_surface_widget.h"
#include "ui/option_button.h"
#include "ui/spin_button.h"
#include "ui/text_label_widget.h"

namespace {

void plug_into_form(const ControlTree& controls, const std::vector<ControlSpec>& layout, waves::Form& form) {
    for (const ControlSpec& control : layout) {
        if (waves::GraphSurface** slot = surface_slot(form, control.name)) {
            *slot = &controls.get<GraphSurfaceWidget>(control.name);
        } else if (waves::TextLabel** label = label_slot(form, control.name)) {
            *label = &controls.get<TextLabelWidget>(control.name);
        } else if (waves::OptionSelection** option = option_slot(form, control.name)) {
            *option = &controls.get<OptionButton>(control.name);
        }
    }
    if (const std::string missing = missing_parts(form); !missing.empty()) {
        throw MissingControl("the window has no " + missing);
    }
}

void connect_handler(const ControlTree& controls, waves::Form& form, const EventDispatch& dispatch,
                     const ControlHandler& handler) {
    const auto run = dispatch.to([&form, &handler] { handler.handler(form, handler.index); });
    switch (handler.event) {
        case ControlEvent::spin_up:
            QObject::connect(&controls.get<SpinButton>(handler.control), &SpinButton::spinUp, run);
            return;
        case ControlEvent::spin_down:
            QObject::connect(&controls.get<SpinButton>(handler.control), &SpinButton::spinDown, run);
            return;
        case ControlEvent::click:
            if (auto* option = qobject_cast<OptionButton*>(controls.find(handler.control))) {
                QObject::connect(option, &OptionButton::chosen, run);
            } else {
                QObject::connect(&controls.get<QPushButton>(handler.control), &QPushButton::clicked, run);
            }
            return;
    }
}

}  // namespace

void bind_window(const ControlTree& controls, const std::vector<ControlSpec>& layout, waves::Form& form,
                 const EventDispatch& dispatch) {
    plug_into_form(controls, layout, form);
    for (const ControlHandler& handler : control_handlers()) connect_handler(controls, form, dispatch, handler);
}
