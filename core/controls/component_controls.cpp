#include "core/controls/component_controls.h"

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/model/number_text.h"
#include "core/graphs/drawing_routines.h"

namespace waves {
namespace {

std::size_t slot(int index) {
    assert(index >= 0 && index < kComponentCount);
    return static_cast<std::size_t>(index);
}

void redraw_component(const Form& form, int index) {
    get_curve(form.params, form.surfaces, index);
    get_m_curve(form.params, form.surfaces, index);
    get_curve2(form.params, form.surfaces);
    get_curve3(form.params, form.surfaces);
}

void set_amplitude(Form& form, int index, std::int64_t tenths) {
    form.params.wave_a[slot(index)] = tenths;
    form.labels.Labela[slot(index)]->set_text(tenths_text(tenths));
    redraw_component(form, index);
}

void set_frequency(Form& form, int index, std::int64_t tenths) {
    form.params.wave_f[slot(index)] = tenths;
    form.labels.Labelb[slot(index)]->set_text(tenths_text(tenths));
    redraw_component(form, index);
}

void set_cosine(Form& form, int index, bool cosine) {
    form.params.wave_cos[slot(index)] = cosine;
    redraw_component(form, index);
}

}  // namespace

void SpinButton3_SpinUp(Form& form, int index) {
    const Parameters& p = form.params;
    const std::int64_t amplitude = p.wave_a[slot(index)];
    if (!(amplitude < p.a_max)) return;
    set_amplitude(form, index, amplitude + p.step_a);
}

void SpinButton3_SpinDown(Form& form, int index) {
    const Parameters& p = form.params;
    const std::int64_t lowered = p.wave_a[slot(index)] - p.step_a;
    if (!(lowered >= 0)) return;
    set_amplitude(form, index, lowered);
}

void SpinButton4_SpinUp(Form& form, int index) {
    const Parameters& p = form.params;
    set_frequency(form, index, p.wave_f[slot(index)] + p.step_f);
}

void SpinButton4_SpinDown(Form& form, int index) {
    const Parameters& p = form.params;
    const std::int64_t lowered = p.wave_f[slot(index)] - p.step_f;
    if (!(lowered >= 0)) return;
    set_frequency(form, index, lowered);
}

void switch_c_Click(Form& form, int index) { set_cosine(form, index, true); }

void switch_s_Click(Form& form, int index) { set_cosine(form, index, false); }

}  // namespace waves
