#include "core/controls/mean_key.h"

#include "core/graphs/drawing_routines.h"

namespace waves {

void Form_KeyM(Form& form) {
    Parameters& p = form.params;
    p.show_means = !p.show_means;
    for (int i = 0; i <= p.wave_last; ++i) get_m_curve(p, form.surfaces, i);
    get_curve3(p, form.surfaces);
}

}  // namespace waves
