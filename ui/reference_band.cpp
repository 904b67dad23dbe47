#include "ui/reference_band.h"

#include "controls/reference_controls.h"
#include "ui/graph_surface_widget.h"
#include "ui/option_button.h"
#include "ui/spin_button.h"
#include "ui/text_label_widget.h"

void bind_reference_band(const ControlTree& controls, waves::Form& form, const EventDispatch& dispatch) {
    form.surfaces.std_grph = &controls.get<GraphSurfaceWidget>("std_grph");
    form.labels.value_std_a = &controls.get<TextLabelWidget>("value_std_a");
    form.labels.value_std_b = &controls.get<TextLabelWidget>("value_std_b");

    auto& amplitude = controls.get<SpinButton>("SpinButton1");
    auto& frequency = controls.get<SpinButton>("SpinButton2");
    QObject::connect(&amplitude, &SpinButton::spinUp, dispatch.to([&form] { waves::SpinButton1_SpinUp(form); }));
    QObject::connect(&amplitude, &SpinButton::spinDown, dispatch.to([&form] { waves::SpinButton1_SpinDown(form); }));
    QObject::connect(&frequency, &SpinButton::spinUp, dispatch.to([&form] { waves::SpinButton2_SpinUp(form); }));
    QObject::connect(&frequency, &SpinButton::spinDown, dispatch.to([&form] { waves::SpinButton2_SpinDown(form); }));
    QObject::connect(&controls.get<OptionButton>("Option9"), &OptionButton::chosen,
                     dispatch.to([&form] { waves::Option9_Click(form); }));
    QObject::connect(&controls.get<OptionButton>("Option10"), &OptionButton::chosen,
                     dispatch.to([&form] { waves::Option10_Click(form); }));
}
