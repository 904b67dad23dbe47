#include "picture/device_mapping.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace waves::picture {
namespace {

bool is_finite(DevicePoint p) { return std::isfinite(p.x) && std::isfinite(p.y); }

double magnitude(DevicePoint p) { return std::max(std::abs(p.x), std::abs(p.y)); }

}  // namespace

std::optional<std::pair<double, double>> clip_parameters(DevicePoint from, DevicePoint to, double left,
                                                         double top, double right, double bottom) {
    if (!is_finite(from) || !is_finite(to)) return std::nullopt;
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

std::optional<ClippedSegment> clip_segment(DevicePoint from, DevicePoint to, double left, double top,
                                           double right, double bottom) {
    if (!is_finite(from) || !is_finite(to)) return std::nullopt;
    const bool reversed = magnitude(from) > magnitude(to);
    const DevicePoint near_end = reversed ? to : from;
    const DevicePoint far_end = reversed ? from : to;
    if (magnitude(near_end) > kFarLimit) return std::nullopt;
    const auto range = clip_parameters(near_end, far_end, left, top, right, bottom);
    if (!range) return std::nullopt;
    const auto [t_enter, t_exit] = *range;
    const auto at = [&](double t) {
        if (t == 0.0) return near_end;
        if (t == 1.0) return far_end;
        return DevicePoint{near_end.x + t * (far_end.x - near_end.x), near_end.y + t * (far_end.y - near_end.y)};
    };
    ClippedSegment segment{at(t_enter), at(t_exit), t_enter > 0.0, t_exit < 1.0};
    if (reversed) {
        std::swap(segment.from, segment.to);
        std::swap(segment.from_moved, segment.to_moved);
    }
    return segment;
}

}  // namespace waves::picture
