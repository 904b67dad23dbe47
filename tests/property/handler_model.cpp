#include "tests/property/handler_model.h"

#include <cstddef>

namespace waves::property {
namespace {

std::size_t at(int index) { return static_cast<std::size_t>(index); }

// Every change that acts starts from the parameters as they were.
Prediction acting(const Parameters& before, Redraw redraw, int component, LabelName label) {
    return {.acts = true, .after = before, .redraw = redraw, .component = component, .label = label};
}

Prediction refused(const Parameters& before) { return {.acts = false, .after = before}; }

Prediction step_option(const Parameters& before, std::int16_t frequency_step, std::int64_t amplitude_step) {
    Prediction p = acting(before, Redraw::none, 0, LabelName::none);
    if (frequency_step != 0) p.after.step_f = frequency_step;
    if (amplitude_step != 0) p.after.step_a = amplitude_step;
    return p;
}

Prediction span_change(const Parameters& before, float new_span) {
    Prediction p = acting(before, Redraw::everything, 0, LabelName::labelt);
    p.after.t_span = new_span;
    return p;
}

}  // namespace

bool has_sum_frame(int surface) { return surface == kSumSurface || surface == kSumOfProductsSurface; }

int frame_group(int surface) { return (surface + 1) / 2; }

Prediction predict(const Parameters& before, Event event) {
    const int i = event.index;
    const std::int64_t amplitude = before.wave_a[at(i)];
    const std::int64_t frequency = before.wave_f[at(i)];
    const auto reference_frequency = static_cast<std::int64_t>(before.std_f);
    const std::int64_t step_a = before.step_a;
    const std::int64_t step_f = before.step_f;
    Prediction p;
    switch (event.handler) {
        case Handler::Command1_Click:
            return span_change(before, 1.0f);

        case Handler::SpinButton3_SpinUp:
            if (amplitude >= kRaiseLimit) return refused(before);
            p = acting(before, Redraw::component, i, LabelName::Labela);
            p.after.wave_a[at(i)] = amplitude + step_a;
            return p;
        case Handler::SpinButton3_SpinDown:
            if (amplitude < step_a) return refused(before);
            p = acting(before, Redraw::component, i, LabelName::Labela);
            p.after.wave_a[at(i)] = amplitude - step_a;
            return p;
        case Handler::SpinButton4_SpinUp:
            p = acting(before, Redraw::component, i, LabelName::Labelb);
            p.after.wave_f[at(i)] = frequency + step_f;
            return p;
        case Handler::SpinButton4_SpinDown:
            if (frequency < step_f) return refused(before);
            p = acting(before, Redraw::component, i, LabelName::Labelb);
            p.after.wave_f[at(i)] = frequency - step_f;
            return p;
        case Handler::switch_c_Click:
        case Handler::switch_s_Click:
            p = acting(before, Redraw::component, i, LabelName::none);
            p.after.wave_cos[at(i)] = event.handler == Handler::switch_c_Click;
            return p;

        case Handler::SpinButton1_SpinUp:
            if (before.std_a >= kRaiseLimit) return refused(before);
            p = acting(before, Redraw::reference, 0, LabelName::value_std_a);
            p.after.std_a = before.std_a + step_a;
            return p;
        case Handler::SpinButton1_SpinDown:
            if (before.std_a < step_a) return refused(before);
            p = acting(before, Redraw::reference, 0, LabelName::value_std_a);
            p.after.std_a = before.std_a - step_a;
            return p;
        case Handler::SpinButton2_SpinUp:
            if (reference_frequency >= kRaiseLimit) return refused(before);
            p = acting(before, Redraw::reference, 0, LabelName::value_std_b);
            p.after.std_f = static_cast<float>(reference_frequency + step_f);
            return p;
        case Handler::SpinButton2_SpinDown:
            if (reference_frequency < step_f) return refused(before);
            p = acting(before, Redraw::reference, 0, LabelName::value_std_b);
            p.after.std_f = static_cast<float>(reference_frequency - step_f);
            return p;
        case Handler::Option9_Click:
        case Handler::Option10_Click:
            p = acting(before, Redraw::reference, 0, LabelName::none);
            p.after.std_cos = event.handler == Handler::Option9_Click;
            return p;

        case Handler::SpinButton11_SpinUp:
            return span_change(before, before.t_span + 1.0f);
        case Handler::SpinButton11_SpinDown:
            if (before.t_span <= 1.0f) return refused(before);
            return span_change(before, before.t_span - 1.0f);

        case Handler::Option1_Click: return step_option(before, 10, 0);
        case Handler::Option2_Click: return step_option(before, 5, 0);
        case Handler::Option3_Click: return step_option(before, 2, 0);
        case Handler::Option4_Click: return step_option(before, 1, 0);
        case Handler::Option5_Click: return step_option(before, 0, 10);
        case Handler::Option6_Click: return step_option(before, 0, 5);
        case Handler::Option7_Click: return step_option(before, 0, 2);
        case Handler::Option8_Click: return step_option(before, 0, 1);
    }
    return refused(before);
}

std::vector<int> redrawn_surfaces(Redraw redraw, int component) {
    switch (redraw) {
        case Redraw::none: return {};
        case Redraw::component:
            return {1 + 2 * component, 2 + 2 * component, kSumSurface, kSumOfProductsSurface};
        case Redraw::reference: return {0, 2, 4, 6, 8, kSumOfProductsSurface};
        case Redraw::everything: return {0, 1, 2, 3, 4, 5, 6, 7, 8, kSumSurface, kSumOfProductsSurface};
    }
    return {};
}

}  // namespace waves::property
