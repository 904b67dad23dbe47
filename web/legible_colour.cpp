#include "web/legible_colour.h"

#include <algorithm>
#include <cmath>

namespace waves {

namespace {

constexpr double kMinimumContrast = 4.5;

double linear(std::uint8_t channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(Rgb colour) {
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) + 0.0722 * linear(colour.blue);
}

std::uint8_t scaled(std::uint8_t channel, int percent) { return static_cast<std::uint8_t>(channel * percent / 100); }

}  // namespace

double contrast_ratio(Rgb a, Rgb b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb legible_on(Rgb text, Rgb background) {
    for (int percent = 100; percent > 0; --percent) {
        const Rgb darker{scaled(text.red, percent), scaled(text.green, percent), scaled(text.blue, percent)};
        if (contrast_ratio(darker, background) >= kMinimumContrast) return darker;
    }
    return {0, 0, 0};
}

}  // namespace waves
