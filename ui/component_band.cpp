#include "ui/component_band.h"

#include <string>

#include "controls/component_controls.h"
#include "ui/graph_surface_widget.h"
#include "ui/option_button.h"
#include "ui/spin_button.h"
#include "ui/text_label_widget.h"

void bind_component_band(const ControlTree& controls, waves::Form& form, const EventDispatch& dispatch, int index) {
    const auto slot = static_cast<std::size_t>(index);
    const std::string i = "(" + std::to_string(index) + ")";

    form.surfaces.Grph[slot] = &controls.get<GraphSurfaceWidget>("Grph" + i);
    form.surfaces.m_grph[slot] = &controls.get<GraphSurfaceWidget>("m_grph" + i);
    form.labels.Labela[slot] = &controls.get<TextLabelWidget>("Labela" + i);
    form.labels.Labelb[slot] = &controls.get<TextLabelWidget>("Labelb" + i);
    auto& cos = controls.get<OptionButton>("switch_c" + i);
    auto& sin = controls.get<OptionButton>("switch_s" + i);
    form.options.switch_c[slot] = &cos;
    form.options.switch_s[slot] = &sin;

    auto& amplitude = controls.get<SpinButton>("SpinButton3" + i);
    auto& frequency = controls.get<SpinButton>("SpinButton4" + i);
    QObject::connect(&amplitude, &SpinButton::spinUp, dispatch.to([&form, index] { waves::SpinButton3_SpinUp(form, index); }));
    QObject::connect(&amplitude, &SpinButton::spinDown, dispatch.to([&form, index] { waves::SpinButton3_SpinDown(form, index); }));
    QObject::connect(&frequency, &SpinButton::spinUp, dispatch.to([&form, index] { waves::SpinButton4_SpinUp(form, index); }));
    QObject::connect(&frequency, &SpinButton::spinDown, dispatch.to([&form, index] { waves::SpinButton4_SpinDown(form, index); }));
    QObject::connect(&cos, &OptionButton::chosen, dispatch.to([&form, index] { waves::switch_c_Click(form, index); }));
    QObject::connect(&sin, &OptionButton::chosen, dispatch.to([&form, index] { waves::switch_s_Click(form, index); }));
}
