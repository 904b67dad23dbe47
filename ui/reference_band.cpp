#include "ui/reference_band.h"

#include "controls/reference_controls.h"
#include "ui/graph_surface_widget.h"
#include "ui/option_button.h"
#include "ui/spin_button.h"
#include "ui/text_label_widget.h"

void bind_reference_band(const ControlTree& controls, waves::Form& form) {
    form.surfaces.std_grph = &controls.get<GraphSurfaceWidget>("std_grph");
    form.labels.value_std_a = &controls.get<TextLabelWidget>("value_std_a");
    form.labels.value_std_b = &controls.get<TextLabelWidget>("value_std_b");

    auto& amplitude = controls.get<SpinButton>("SpinButton1");
    auto& frequency = controls.get<SpinButton>("SpinButton2");
    QObject::connect(&amplitude, &SpinButton::spinUp, [&form] { waves::SpinButton1_SpinUp(form); });
    QObject::connect(&amplitude, &SpinButton::spinDown, [&form] { waves::SpinButton1_SpinDown(form); });
    QObject::connect(&frequency, &SpinButton::spinUp, [&form] { waves::SpinButton2_SpinUp(form); });
    QObject::connect(&frequency, &SpinButton::spinDown, [&form] { waves::SpinButton2_SpinDown(form); });
    QObject::connect(&controls.get<OptionButton>("Option9"), &OptionButton::chosen,
                     [&form] { waves::Option9_Click(form); });
    QObject::connect(&controls.get<OptionButton>("Option10"), &OptionButton::chosen,
                     [&form] { waves::Option10_Click(form); });
}
