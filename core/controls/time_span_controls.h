// Handlers of the "t=" arrows SpinButton11: one period more or less on every
// graph. Up always acts (no upper bound); down is refused silently at
// t_span = 1. An accepted step shows the new span, rescales all eleven
// surfaces and redraws every graph (show_span_and_redraw_all).
#pragma once

#include "core/app/form.h"

namespace waves {

void SpinButton11_SpinUp(Form& form);
void SpinButton11_SpinDown(Form& form);

}  // namespace waves
