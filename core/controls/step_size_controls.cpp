#include "core/controls/step_size_controls.h"

namespace waves {

void Option1_Click(Form& form) { form.params.step_f = 10; }
void Option2_Click(Form& form) { form.params.step_f = 5; }
void Option3_Click(Form& form) { form.params.step_f = 2; }
void Option4_Click(Form& form) { form.params.step_f = 1; }
void Option5_Click(Form& form) { form.params.step_a = 10; }
void Option6_Click(Form& form) { form.params.step_a = 5; }
void Option7_Click(Form& form) { form.params.step_a = 2; }
void Option8_Click(Form& form) { form.params.step_a = 1; }

}  // namespace waves
