#include "core/app/span_redraw.h"

#include <cstddef>

#include "core/model/number_text.h"
#include "core/graphs/drawing_routines.h"
#include "core/graphs/frames.h"

namespace waves {

void show_span_and_redraw_all(Form& form) {
    const Parameters& p = form.params;
    const GraphSurfaces& g = form.surfaces;
    form.labels.labelt->set_text(number_text(p.t_span));
    wave_frame(*g.std_grph, p);
    get_std(p, g);
    // Always the four components, whatever wave_last says.
    for (int i = 0; i < kComponentCount; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        wave_frame(*g.Grph[slot], p);
        wave_frame(*g.m_grph[slot], p);
        get_curve(p, g, i);
        get_m_curve(p, g, i);
    }
    sum_frame(*g.Gr, p);
    sum_frame(*g.m_gr, p);
    get_curve2(p, g);
    get_curve3(p, g);
}

}  // namespace waves
