// RESET: Command1_Click returns the span to one period and redraws every
// graph. Every wave parameter, step, option button and every label other
// than the span label keeps its value; clicking it at t_span = 1 redraws
// all the same.
#pragma once

#include "core/app/form.h"

namespace waves {

void Command1_Click(Form& form);

}  // namespace waves
