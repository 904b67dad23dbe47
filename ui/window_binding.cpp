#include "ui/window_binding.h"

#include <QPushButton>

#include "layout/form_binding.h"
#include "ui/graph_surface_widget.h"
#include "ui/option_button.h"
#include "ui/spin_button.h"
#include "ui/text_label_widget.h"

namespace waves {

namespace {

class WidgetControls final : public BuiltControls {
public:
    WidgetControls(const ControlTree& controls, const EventDispatch& dispatch)
        : controls_(controls), dispatch_(dispatch) {}

    GraphSurface* surface(const ControlSpec& control) override { return widget<GraphSurfaceWidget>(control.name); }
    TextLabel* label(const ControlSpec& control) override { return widget<TextLabelWidget>(control.name); }
    OptionSelection* option(const ControlSpec& control) override { return widget<OptionButton>(control.name); }

    bool connect(const std::string& name, ControlEvent event, std::function<void()> run) override {
        const auto slot = dispatch_.to(std::move(run));
        switch (event) {
            case ControlEvent::spin_up:
                if (auto* spin = widget<SpinButton>(name)) return QObject::connect(spin, &SpinButton::spinUp, slot);
                return false;
            case ControlEvent::spin_down:
                if (auto* spin = widget<SpinButton>(name)) return QObject::connect(spin, &SpinButton::spinDown, slot);
                return false;
            case ControlEvent::click:
                if (auto* option = widget<OptionButton>(name)) return QObject::connect(option, &OptionButton::chosen, slot);
                if (auto* button = widget<QPushButton>(name)) return QObject::connect(button, &QPushButton::clicked, slot);
                return false;
        }
        return false;
    }

private:
    template <typename Widget>
    Widget* widget(const std::string& name) const {
        return qobject_cast<Widget*>(controls_.find(name));
    }

    const ControlTree& controls_;
    const EventDispatch& dispatch_;
};

}  // namespace

void bind_window(const ControlTree& controls, const std::vector<ControlSpec>& layout, Form& form,
                 const EventDispatch& dispatch) {
    WidgetControls widgets(controls, dispatch);
    if (const std::string misfit = bind_form(layout, form, widgets); !misfit.empty()) throw MissingControl(misfit);
}

}  // namespace waves
