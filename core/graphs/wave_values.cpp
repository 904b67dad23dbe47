#include "graphs/wave_values.h"

#include <cassert>
#include <cmath>

namespace waves {

double component_value(const Parameters& params, int index, double x) {
    assert(index >= 0 && index < kComponentCount);
    const auto i = static_cast<std::size_t>(index);
    const double amplitude = static_cast<double>(params.wave_a[i]) / 10.0;
    const double frequency = static_cast<double>(params.wave_f[i]) / 10.0;
    const double phase = x * frequency;
    const double g = params.wave_cos[i] ? std::cos(phase) : std::sin(phase);
    return g * amplitude;
}

float reference_factor(const Parameters& params) { return params.std_f / 10.0f; }

double reference_value(const Parameters& params, double x) {
    const double phase = x * static_cast<double>(reference_factor(params));
    const double g = params.std_cos ? std::cos(phase) : std::sin(phase);
    return g * (static_cast<double>(params.std_a) / 10.0);
}

float component_sum(const Parameters& params, double x) {
    float sum = 0.0f;
    for (int j = 0; j <= params.wave_last; ++j) {
        sum = static_cast<float>(static_cast<double>(sum) + component_value(params, j, x));
    }
    return sum;
}

}  // namespace waves
