#include "core/graphs/grid.h"

#include <cstdint>

#include "core/graphs/colours.h"
#include "core/graphs/frames.h"

namespace waves {

void draw_grid(GraphSurface& surface, const Parameters& params, float half_height) {
    surface.set_pen_style(PenStyle::dotted);
    surface.set_pen_colour(grid_colour);
    // One line at pi_value x 2k for each k = 1 .. t_span - 1; pi_value x 2k
    // and (2 x pi_value) x k are the same double, the doubling being exact.
    const auto periods = static_cast<std::int64_t>(params.t_span);
    if (periods > 1) surface.vertical_lines(2.0 * params.pi_value, periods - 1, half_height, -half_height);
    surface.set_pen_style(PenStyle::solid);
    surface.set_pen_colour(grid_colour);
    surface.line(0.0f, 0.0f, static_cast<float>(x_end(params)), 0.0f);
}

}  // namespace waves
