#include "picture/device_mapping.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace picture {

std::optional<std::pair<double, double>> clip_parameters(DevicePoint from, DevicePoint to, double left,
                                                         double top, double right, double bottom) {
    if (!std::isfinite(from.x) || !std::isfinite(from.y) || !std::isfinite(to.x) || !std::isfinite(to.y)) {
        return std::nullopt;
    }
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    double t_enter = 0.0;
    double t_exit = 1.0;
    // Each edge: the segment is inside where p x t <= q.
    const std::array<std::pair<double, double>, 4> edges{{
        {-dx, from.x - left},
        {dx, right - from.x},
        {-dy, from.y - top},
        {dy, bottom - from.y},
    }};
    for (const auto& [p, q] : edges) {
        if (p == 0.0) {
            if (q < 0.0) return std::nullopt;  // parallel to this edge and outside it
            continue;
        }
        const double t = q / p;
        if (p < 0.0) {
            t_enter = std::max(t_enter, t);
        } else {
            t_exit = std::min(t_exit, t);
        }
        if (t_enter > t_exit) return std::nullopt;
    }
    return std::pair{t_enter, t_exit};
}

}  // namespace picture
