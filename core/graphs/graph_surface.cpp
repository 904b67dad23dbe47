#include "core/graphs/graph_surface.h"

namespace waves {

void GraphSurface::vertical_lines(double spacing, std::int64_t count, float y_from, float y_to) {
    for (std::int64_t k = 1; k <= count; ++k) {
        const auto x = static_cast<float>(spacing * static_cast<double>(k));
        line(x, y_from, x, y_to);
    }
}

}  // namespace waves
