#include "core/app/lesson_state.h"

#include <cstddef>

#include "core/model/number_text.h"
#include "core/app/span_redraw.h"

namespace waves {
namespace {

void select_step(const std::array<OptionSelection*, kStepSizes.size()>& options, std::int64_t step) {
    for (std::size_t n = 0; n < kStepSizes.size(); ++n) options[n]->set_selected(kStepSizes[n] == step);
}

}  // namespace

LessonState lesson_state(const Parameters& params) {
    LessonState state;
    for (std::size_t i = 0; i < kComponentCount; ++i) {
        state.components[i] = {params.wave_a[i], params.wave_cos[i], params.wave_f[i]};
    }
    state.reference = {params.std_a, params.std_cos, static_cast<std::int64_t>(params.std_f)};
    state.t_span = static_cast<std::int64_t>(params.t_span);
    state.step_a = params.step_a;
    state.step_f = params.step_f;
    state.means = params.show_means;
    return state;
}

void open_in_state(Form& form, const LessonState& state) {
    Parameters& p = form.params;
    for (std::size_t i = 0; i < kComponentCount; ++i) {
        const WaveSetting& wave = state.components[i];
        p.wave_a[i] = wave.amplitude;
        p.wave_f[i] = wave.frequency;
        p.wave_cos[i] = wave.cosine;
        form.labels.Labela[i]->set_text(tenths_text(wave.amplitude));
        form.labels.Labelb[i]->set_text(tenths_text(wave.frequency));
        form.options.switch_c[i]->set_selected(wave.cosine);
        form.options.switch_s[i]->set_selected(!wave.cosine);
    }
    p.std_a = state.reference.amplitude;
    // A whole number of tenths up to 109 is exact in single precision, as
    // the sums of whole steps the arrows make are.
    p.std_f = static_cast<float>(state.reference.frequency);
    p.std_cos = state.reference.cosine;
    form.labels.value_std_a->set_text(tenths_text(p.std_a));
    form.labels.value_std_b->set_text(number_text(p.std_f / 10.0f));
    form.options.Option9->set_selected(p.std_cos);
    form.options.Option10->set_selected(!p.std_cos);

    p.step_a = state.step_a;
    p.step_f = static_cast<std::int16_t>(state.step_f);
    select_step(form.options.step_a, p.step_a);
    select_step(form.options.step_n, p.step_f);

    p.show_means = state.means;
    p.t_span = static_cast<float>(state.t_span);
    show_span_and_redraw_all(form);
}

}  // namespace waves
