// The three colours of every graph.
#pragma once

#include "core/graphs/graph_surface.h"

namespace waves {

inline constexpr Rgb grid_colour{0, 255, 0};  // period lines and the axis
inline constexpr Rgb wave_colour{255, 0, 0};  // a single wave or a product
inline constexpr Rgb sum_colour{0, 0, 255};   // the sums E and E'

}  // namespace waves
