#include "core/controls/time_span_controls.h"

#include "core/app/span_redraw.h"

namespace waves {

void SpinButton11_SpinUp(Form& form) {
    form.params.t_span = form.params.t_span + 1.0f;
    show_span_and_redraw_all(form);
}

void SpinButton11_SpinDown(Form& form) {
    if (form.params.t_span <= 1.0f) return;
    form.params.t_span = form.params.t_span - 1.0f;
    show_span_and_redraw_all(form);
}

}  // namespace waves
