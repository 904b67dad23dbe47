// The grid of every graph: a green dotted vertical line at the end of each
// whole period strictly inside the range (none when t_span is 1), then the
// green solid axis y = 0 across the full width.
//
// In order: dotted pen, grid colour; for k = 1 .. t_span - 1 a line from
// (pi_value x 2k, H) to (pi_value x 2k, -H); solid pen, grid colour; the
// axis from (0, 0) to (x_end, 0). The period lines go to the surface in one
// vertical_lines call, which is those lines in that order; their counter is
// 64 bits wide, so the grid stays right at any span the "t=" arrows can
// reach.
//
// Leaves the surface with the solid pen in the grid colour.
#pragma once

#include "core/model/parameters.h"
#include "core/graphs/graph_surface.h"

namespace waves {

// H is the half-height of the surface's frame (wave_half_height or sum_half_height).
void draw_grid(GraphSurface& surface, const Parameters& params, float half_height);

}  // namespace waves
