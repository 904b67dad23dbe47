#include "tests/property/parameter_differences.h"

#include <cstddef>

namespace waves::property {

std::string differences(const Parameters& actual, const Parameters& expected) {
    std::string text;
    const auto note = [&text](const std::string& field, const auto& is, const auto& should) {
        if (is == should) return;
        text += (text.empty() ? "" : "; ") + field + " " + std::to_string(is) + ", not " + std::to_string(should);
    };
    for (std::size_t i = 0; i < actual.wave_a.size(); ++i) {
        const std::string index = "(" + std::to_string(i) + ")";
        note("wave_a" + index, actual.wave_a[i], expected.wave_a[i]);
        note("wave_f" + index, actual.wave_f[i], expected.wave_f[i]);
        note("wave_cos" + index, static_cast<int>(actual.wave_cos[i]), static_cast<int>(expected.wave_cos[i]));
    }
    note("wave_last", actual.wave_last, expected.wave_last);
    note("std_a", actual.std_a, expected.std_a);
    note("std_f", actual.std_f, expected.std_f);
    note("std_cos", static_cast<int>(actual.std_cos), static_cast<int>(expected.std_cos));
    note("y_max", actual.y_max, expected.y_max);
    note("t_span", actual.t_span, expected.t_span);
    note("step_a", actual.step_a, expected.step_a);
    note("step_f", actual.step_f, expected.step_f);
    note("pi_value", actual.pi_value, expected.pi_value);
    note("a_max", actual.a_max, expected.a_max);
    note("h_ratio", actual.h_ratio, expected.h_ratio);
    return text;
}

}  // namespace waves::property
