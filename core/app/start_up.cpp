#include "core/app/start_up.h"

#include <cstddef>

#include "core/model/number_text.h"
#include "core/graphs/drawing_routines.h"
#include "core/graphs/frames.h"

namespace waves {
namespace {

void set_start_values(Form& form) {
    Parameters& p = form.params;
    p.pi_value = 3.14159;
    p.y_max = 10;
    p.t_span = 1.0f;
    p.wave_last = 3;
    p.a_max = 100;
    p.std_cos = true;
    p.std_a = 10;
    p.std_f = 10.0f;
    for (int i = 0; i <= p.wave_last; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        form.options.switch_c[slot]->set_selected(true);
        form.options.switch_s[slot]->set_selected(false);
        p.wave_a[slot] = 0;
        p.wave_f[slot] = 0;
        p.wave_cos[slot] = true;
    }
    p.step_a = 10;
    p.step_f = 10;
}

}  // namespace

// Centred from the outer size the window really got and the screen size,
// in single precision. On a screen smaller than the window the position is
// negative; the window decides how to keep its title bar reachable.
void size_and_centre_window(WindowPlacement& window) {
    window.set_outer_size(kOuterWidthTwips, kOuterHeightTwips);
    const TwipSize outer = window.outer_size();
    const TwipSize screen = window.screen_size();
    const float top = (screen.height - outer.height) / 2.0f;
    const float left = (screen.width - outer.width) / 2.0f;
    window.move_to(left, top);
}

void Form_Load(Form& form) {
    set_start_values(form);
    Parameters& p = form.params;
    const GraphSurfaces& g = form.surfaces;

    form.labels.labelt->set_text(number_text(p.t_span));
    size_and_centre_window(*form.window);

    wave_frame(*g.std_grph, p);
    get_std(p, g);
    for (int i = 0; i <= p.wave_last; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        form.labels.Labela[slot]->set_text(tenths_text(p.wave_a[slot]));
        form.labels.Labelb[slot]->set_text(tenths_text(p.wave_f[slot]));
        wave_frame(*g.m_grph[slot], p);
        wave_frame(*g.Grph[slot], p);
        get_curve(p, g, i);
        get_m_curve(p, g, i);
    }

    p.h_ratio = static_cast<float>(g.Gr->surface_height() / g.Grph[0]->surface_height());
    sum_frame(*g.Gr, p);
    sum_frame(*g.m_gr, p);

    form.labels.value_std_a->set_text(tenths_text(p.std_a));
    form.labels.value_std_b->set_text(number_text(p.std_f / 10.0f));
    get_curve2(p, g);
    get_curve3(p, g);
}

}  // namespace waves
