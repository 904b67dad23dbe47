// Handlers of the controls of one component wave (index 0..3 for A..D):
// the amplitude arrows SpinButton3(i), the frequency arrows SpinButton4(i)
// and the option buttons switch_c(i) "cos" / switch_s(i) "sin".
//
// Each tests its guard on the current values; a refused step is silent and
// changes and draws nothing. An accepted change stores the value, writes the
// label (value / 10) and redraws exactly get_curve(i), get_m_curve(i),
// get_curve2, get_curve3, in that order.
//
// Guards:
//   amplitude up:    wave_a(i) < a_max (tested before the step, so 99 + 10
//                    gives 109, "10.9", and nothing goes higher);
//   amplitude down:  wave_a(i) - step_a >= 0 (a step that would go below 0 is
//                    refused whole: 3 with step 5 stays 3);
//   frequency up:    none, no upper bound;
//   frequency down:  wave_f(i) - step_f >= 0;
//   cos / sin:       none, redraws even when the choice is unchanged.
//
// REQUIRES for every handler: 0 <= index < kComponentCount.
#pragma once

#include "core/app/form.h"

namespace waves {

void SpinButton3_SpinUp(Form& form, int index);
void SpinButton3_SpinDown(Form& form, int index);
void SpinButton4_SpinUp(Form& form, int index);
void SpinButton4_SpinDown(Form& form, int index);
void switch_c_Click(Form& form, int index);
void switch_s_Click(Form& form, int index);

}  // namespace waves
