// Handlers of the reference wave W ("Essential Wave"): the amplitude arrows
// SpinButton1, the frequency arrows SpinButton2 and the option buttons
// Option9 "cos" / Option10 "sin".
//
// Each tests its guard; a refused step is silent. An accepted change stores
// the value, writes the label (value / 10; the frequency in single
// precision) and redraws exactly get_std, get_m_curve(0..3), get_curve3.
// The component graphs, the sum E and every frame are left as they are.
//
// Guards, on the values before the change:
//   up (amplitude and frequency): value < a_max, so 99 + 10 gives 109;
//   down: value - step >= 0;
//   cos / sin: none.
#pragma once

#include "core/app/form.h"

namespace waves {

void SpinButton1_SpinUp(Form& form);
void SpinButton1_SpinDown(Form& form);
void SpinButton2_SpinUp(Form& form);
void SpinButton2_SpinDown(Form& form);
void Option9_Click(Form& form);
void Option10_Click(Form& form);

}  // namespace waves
