// The handler of the key M, on the desktop and in the page: the means over
// the product graphs A'..D' and E' (graphs/mean_overlay.h) on or off.
//
// It flips show_means and redraws exactly get_m_curve(0..3), get_curve3,
// as a change of W does; no label, frame or other graph changes.
#pragma once

#include "core/app/form.h"

namespace waves {

void Form_KeyM(Form& form);

}  // namespace waves
