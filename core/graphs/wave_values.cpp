#include "core/graphs/wave_values.h"

#include <array>
#include <cassert>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace waves {
namespace {

// cos or sin of a phase, remembered. The graphs of one event ask for the
// same phases again and again (E and E' both sum the four components, a
// product repeats its component), and the next event mostly for those
// again; at spans of thousands each call pays for a long argument
// reduction. A table of the last value for each phase, indexed by a hash
// of its bits, hands back exactly what the call returned.
class RememberedWaves {
public:
    double operator()(bool cosine, double phase) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &phase, sizeof bits);
        const auto slot = static_cast<std::size_t>(((bits ^ static_cast<std::uint64_t>(cosine)) * kSpread) >>
                                                   (64 - kSlotBits));
        Entry& entry = entries_[slot];
        if (entry.known && entry.bits == bits && entry.cosine == cosine) return entry.value;
        const double value = cosine ? std::cos(phase) : std::sin(phase);
        entry = {bits, value, cosine, true};
        return value;
    }

private:
    static constexpr int kSlotBits = 13;
    static constexpr std::uint64_t kSpread = 0x9e3779b97f4a7c15u;
    struct Entry {
        std::uint64_t bits = 0;
        double value = 0.0;
        bool cosine = false;
        bool known = false;
    };
    std::array<Entry, std::size_t{1} << kSlotBits> entries_{};
};

double cos_or_sin(bool cosine, double phase) {
    thread_local RememberedWaves remembered;
    return remembered(cosine, phase);
}

}  // namespace

double component_value(const Parameters& params, int index, double x) {
    assert(index >= 0 && index < kComponentCount);
    const auto i = static_cast<std::size_t>(index);
    const double amplitude = static_cast<double>(params.wave_a[i]) / 10.0;
    const double frequency = static_cast<double>(params.wave_f[i]) / 10.0;
    const double phase = x * frequency;
    const double g = cos_or_sin(params.wave_cos[i], phase);
    return g * amplitude;
}

float reference_factor(const Parameters& params) { return params.std_f / 10.0f; }

double reference_value(const Parameters& params, double x) {
    const double phase = x * static_cast<double>(reference_factor(params));
    const double g = cos_or_sin(params.std_cos, phase);
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
