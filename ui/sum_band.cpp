#include "ui/sum_band.h"

#include <QPushButton>

#include "app/reset.h"
#include "controls/step_size_controls.h"
#include "controls/time_span_controls.h"
#include "ui/graph_surface_widget.h"
#include "ui/option_button.h"
#include "ui/spin_button.h"
#include "ui/text_label_widget.h"

void bind_sum_band(const ControlTree& controls, waves::Form& form, const EventDispatch& dispatch) {
    form.surfaces.Gr = &controls.get<GraphSurfaceWidget>("Gr");
    form.surfaces.m_gr = &controls.get<GraphSurfaceWidget>("m_gr");
    form.labels.labelt = &controls.get<TextLabelWidget>("labelt");

    auto& span = controls.get<SpinButton>("SpinButton11");
    QObject::connect(&span, &SpinButton::spinUp, dispatch.to([&form] { waves::SpinButton11_SpinUp(form); }));
    QObject::connect(&span, &SpinButton::spinDown, dispatch.to([&form] { waves::SpinButton11_SpinDown(form); }));
    QObject::connect(&controls.get<QPushButton>("Command1"), &QPushButton::clicked,
                     dispatch.to([&form] { waves::Command1_Click(form); }));

    using Handler = void (*)(waves::Form&);
    const struct {
        const char* name;
        Handler handler;
    } steps[] = {
        {"Option1", waves::Option1_Click}, {"Option2", waves::Option2_Click}, {"Option3", waves::Option3_Click},
        {"Option4", waves::Option4_Click}, {"Option5", waves::Option5_Click}, {"Option6", waves::Option6_Click},
        {"Option7", waves::Option7_Click}, {"Option8", waves::Option8_Click},
    };
    for (const auto& step : steps) {
        const Handler handler = step.handler;
        QObject::connect(&controls.get<OptionButton>(step.name), &OptionButton::chosen,
                         dispatch.to([&form, handler] { handler(form); }));
    }
}
