#include "graphs/grid.h"

#include <cstdint>

#include "graphs/colours.h"
#include "graphs/frames.h"

namespace waves {

void draw_grid(GraphSurface& surface, const Parameters& params, float half_height) {
    surface.set_pen_style(PenStyle::dotted);
    surface.set_pen_colour(grid_colour);
    const auto periods = static_cast<std::int64_t>(params.t_span);
    for (std::int64_t k = 1; k <= periods - 1; ++k) {
        const auto x = static_cast<float>(params.pi_value * static_cast<double>(2 * k));
        surface.line(x, half_height, x, -half_height);
    }
    surface.set_pen_style(PenStyle::solid);
    surface.set_pen_colour(grid_colour);
    surface.line(0.0f, 0.0f, static_cast<float>(x_end(params)), 0.0f);
}

}  // namespace waves
