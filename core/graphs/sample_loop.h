// The sample loop that draws every curve as one connected polyline.
//
// x starts at 0 and grows by x_step = (pi_value x t_span) / 200, added onto
// the running x in double precision (never recomputed as a multiple of
// x_step), while x <= x_end. The first sample is drawn with point, every
// later one with line_to; both coordinates are rounded to single precision.
//
// Nominally that is 401 samples. Because x is accumulated, the sum after 400
// additions can land a rounding step above x_end; the loop then ends after
// 400 samples, one x_step short of the right edge (t_span 1, 2, 4, 5: 400;
// 3, 6, 12: 401). That is the behaviour, not a bug to round away.
#pragma once

#include "core/model/parameters.h"
#include "core/graphs/frames.h"
#include "core/graphs/graph_surface.h"

namespace waves {

inline double x_step(const Parameters& params) {
    return (params.pi_value * static_cast<double>(params.t_span)) / 200.0;
}

// value_at(double x) returns the plotted value at x, in double or single
// precision; it is handed to the surface in single precision. The pen
// colour and style must already be set.
template <typename ValueAt>
void sample_loop(GraphSurface& surface, const Parameters& params, ValueAt value_at) {
    const double step = x_step(params);
    const double end = x_end(params);
    for (double x = 0.0; x <= end; x += step) {
        const auto y = static_cast<float>(value_at(x));
        if (x == 0.0) {
            surface.point(static_cast<float>(x), y);
        } else {
            surface.line_to(static_cast<float>(x), y);
        }
    }
}

}  // namespace waves
