// The two coordinate frames of the graphs and their horizontal extent.
//
// Every graph runs from x = 0 to x_end = pi_value x (2 x t_span): t_span
// periods of a wave of frequency 1, measured with pi_value = 3.14159.
// 2 x t_span is formed in single precision and the product in double, so
// x_end is 6.28318 at t_span = 1.
//
//   wave_frame: (0, y_max) .. (x_end, -y_max), for W, A..D and A'..D';
//   sum_frame:  (0, y_max x h_ratio) .. (x_end, -y_max x h_ratio), for E and E',
//               so one vertical unit is as tall on screen as on the small graphs.
//
// Only start-up, RESET and the span handlers set frames; a drawing routine
// draws in whatever frame its surface has.
#pragma once

#include "core/model/parameters.h"
#include "core/graphs/graph_surface.h"

namespace waves {

double x_end(const Parameters& params);

// Half-heights of the two frames, in single precision as they are handed
// to the surfaces.
float wave_half_height(const Parameters& params);
float sum_half_height(const Parameters& params);

void wave_frame(GraphSurface& surface, const Parameters& params);
void sum_frame(GraphSurface& surface, const Parameters& params);

}  // namespace waves
