#include "core/graphs/product_mean.h"

#include <cassert>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "core/graphs/frames.h"
#include "core/graphs/wave_values.h"

namespace waves {
namespace {

// The means over [0, length] of cos(k x) and sin(k x).
double cos_mean(double k, double length) {
    const double phase = k * length;
    return phase == 0.0 ? 1.0 : std::sin(phase) / phase;
}

double sin_mean(double k, double length) {
    const double phase = k * length;
    if (phase == 0.0) return 0.0;
    const double half = std::sin(phase / 2.0);
    return 2.0 * half * half / phase;
}

}  // namespace

double product_mean(const Parameters& p, int index) {
    assert(index >= 0 && index < kComponentCount);
    const auto i = static_cast<std::size_t>(index);
    const double half_ab = static_cast<double>(p.wave_a[i]) / 10.0 * (static_cast<double>(p.std_a) / 10.0) / 2.0;
    if (half_ab == 0.0) return 0.0;
    const double f = static_cast<double>(p.wave_f[i]) / 10.0;
    const auto g = static_cast<double>(reference_factor(p));
    const double length = x_end(p);
    if (p.wave_cos[i] && p.std_cos) return half_ab * (cos_mean(f - g, length) + cos_mean(f + g, length));
    if (!p.wave_cos[i] && !p.std_cos) return half_ab * (cos_mean(f - g, length) - cos_mean(f + g, length));
    if (p.wave_cos[i]) return half_ab * (sin_mean(g - f, length) + sin_mean(f + g, length));
    return half_ab * (sin_mean(f - g, length) + sin_mean(f + g, length));
}

double sum_of_products_mean(const Parameters& p) {
    double mean = 0.0;
    for (int i = 0; i <= p.wave_last; ++i) mean += product_mean(p, i);
    return mean;
}

std::string mean_text(double mean) {
    const long long thousandths = std::llround(mean * 1000.0);
    if (thousandths == 0) return "0";
    const unsigned long long size = thousandths < 0 ? 0ULL - static_cast<unsigned long long>(thousandths)
                                                    : static_cast<unsigned long long>(thousandths);
    std::string text = (thousandths < 0 ? "-" : "") + std::to_string(size / 1000);
    unsigned long long fraction = size % 1000;
    if (fraction == 0) return text;
    int digits = 3;
    while (fraction % 10 == 0) {
        fraction /= 10;
        --digits;
    }
    std::string decimals = std::to_string(fraction);
    return text + "." + std::string(static_cast<std::size_t>(digits) - decimals.size(), '0') + decimals;
}

}  // namespace waves
