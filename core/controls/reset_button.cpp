#include "core/controls/reset_button.h"

#include "core/app/span_redraw.h"

namespace waves {

void Command1_Click(Form& form) {
    form.params.t_span = 1.0f;
    show_span_and_redraw_all(form);
}

}  // namespace waves
