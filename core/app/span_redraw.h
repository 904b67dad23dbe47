// What RESET and the "t=" arrows do once t_span has its new value: show it
// after "t=", give all eleven surfaces the frame of the new span, each just
// before the routine that draws on it, and redraw every graph in the order
// W; A, A'; B, B'; C, C'; D, D'; E; E'.
//
// No other label and no other parameter is touched.
#pragma once

#include "core/app/form.h"

namespace waves {

void show_span_and_redraw_all(Form& form);

}  // namespace waves
