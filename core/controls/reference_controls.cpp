#include "core/controls/reference_controls.h"

#include <cstdint>

#include "core/model/number_text.h"
#include "core/graphs/drawing_routines.h"

namespace waves {
namespace {

void redraw_reference(const Form& form) {
    get_std(form.params, form.surfaces);
    const int last = form.params.wave_last;
    for (int i = 0; i <= last; ++i) get_m_curve(form.params, form.surfaces, i);
    get_curve3(form.params, form.surfaces);
}

void set_amplitude(Form& form, std::int64_t tenths) {
    form.params.std_a = tenths;
    form.labels.value_std_a->set_text(tenths_text(tenths));
    redraw_reference(form);
}

// The frequency is a single-precision number of tenths; its label divides
// in single precision too.
void set_frequency(Form& form, float tenths) {
    form.params.std_f = tenths;
    form.labels.value_std_b->set_text(number_text(tenths / 10.0f));
    redraw_reference(form);
}

void set_cosine(Form& form, bool cosine) {
    form.params.std_cos = cosine;
    redraw_reference(form);
}

}  // namespace

void SpinButton1_SpinUp(Form& form) {
    const Parameters& p = form.params;
    if (!(p.std_a < p.a_max)) return;
    set_amplitude(form, p.std_a + p.step_a);
}

void SpinButton1_SpinDown(Form& form) {
    const Parameters& p = form.params;
    const std::int64_t lowered = p.std_a - p.step_a;
    if (!(lowered >= 0)) return;
    set_amplitude(form, lowered);
}

void SpinButton2_SpinUp(Form& form) {
    const Parameters& p = form.params;
    if (!(p.std_f < static_cast<float>(p.a_max))) return;
    set_frequency(form, p.std_f + static_cast<float>(p.step_f));
}

void SpinButton2_SpinDown(Form& form) {
    const Parameters& p = form.params;
    const float lowered = p.std_f - static_cast<float>(p.step_f);
    if (!(lowered >= 0.0f)) return;
    set_frequency(form, lowered);
}

void Option9_Click(Form& form) { set_cosine(form, true); }

void Option10_Click(Form& form) { set_cosine(form, false); }

}  // namespace waves
