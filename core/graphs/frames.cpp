#include "core/graphs/frames.h"

namespace waves {

double x_end(const Parameters& params) {
    const float twice_span = 2.0f * params.t_span;
    return params.pi_value * static_cast<double>(twice_span);
}

float wave_half_height(const Parameters& params) { return static_cast<float>(params.y_max); }

float sum_half_height(const Parameters& params) {
    return static_cast<float>(params.y_max) * params.h_ratio;
}

void wave_frame(GraphSurface& surface, const Parameters& params) {
    const float half = wave_half_height(params);
    surface.set_scale(0.0f, half, static_cast<float>(x_end(params)), -half);
}

void sum_frame(GraphSurface& surface, const Parameters& params) {
    const float half = sum_half_height(params);
    surface.set_scale(0.0f, half, static_cast<float>(x_end(params)), -half);
}

}  // namespace waves
