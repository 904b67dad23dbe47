// Handlers of the step groups: "step n" (Option1..Option4) sets the
// frequency step, "step a" (Option5..Option8) the amplitude step, to 1, 0.5,
// 0.2 or 0.1 (10, 5, 2 or 1 tenths).
//
// Each stores its constant and nothing else: no label, no redraw, and the
// values already set are not snapped to the new step. The next click on an
// arrow uses it.
#pragma once

#include "core/app/form.h"

namespace waves {

void Option1_Click(Form& form);  // "step n" 1
void Option2_Click(Form& form);  // "step n" 0.5
void Option3_Click(Form& form);  // "step n" 0.2
void Option4_Click(Form& form);  // "step n" 0.1
void Option5_Click(Form& form);  // "step a" 1
void Option6_Click(Form& form);  // "step a" 0.5
void Option7_Click(Form& form);  // "step a" 0.2
void Option8_Click(Form& form);  // "step a" 0.1

}  // namespace waves
