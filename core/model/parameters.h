// The parameter record: every value the graphs are drawn from.
//
// The window owns exactly one of these. Start-up fills it (start_up.h), the
// handlers in controls/ change it, and the drawing routines in graphs/ only
// read it. Amplitudes, frequencies and steps are whole numbers of tenths
// (10 means 1.0) and are shown divided by 10.
//
// The widths and precisions are part of the behaviour, not an accident:
//   - t_span, std_f and h_ratio are single precision, so the plotted
//     positions and the reference frequency factor are what a student sees
//     in the labels, rounded the same way every time;
//   - pi_value is the decimal 3.14159 in double precision, not full pi, so
//     every horizontal range is exactly 2 x 3.14159 x t_span;
//   - whole numbers of tenths are 64 bits wide: a component frequency has no
//     upper bound and must never wrap, however long an arrow is held.
#pragma once

#include <array>
#include <cstdint>

namespace waves {

// Number of component waves A, B, C, D (indices 0..3).
inline constexpr int kComponentCount = 4;

// The step sizes "step a" and "step n" offer, in tenths, in the order of
// their option buttons (Option5..Option8 and Option1..Option4).
inline constexpr std::array<std::int64_t, 4> kStepSizes{10, 5, 2, 1};

struct Parameters {
    // Component waves, indexed 0..3 for A..D. Index 4 exists and stays unused.
    std::array<std::int64_t, 5> wave_a{};  // amplitude, tenths, 0..109
    std::array<std::int64_t, 5> wave_f{};  // frequency, tenths, >= 0, unbounded
    std::array<bool, 5> wave_cos{};        // true: cosine, false: sine
    std::int16_t wave_last = 0;            // index of the last component (3)

    // The reference wave W ("Essential Wave").
    std::int64_t std_a = 0;  // amplitude, tenths, 0..109
    float std_f = 0.0f;      // frequency, tenths, always a whole number 0..109
    bool std_cos = false;    // true: cosine, false: sine

    std::int64_t y_max = 0;   // half-height of the small graphs, displayed units (10)
    float t_span = 0.0f;      // periods shown on every graph, a whole number >= 1
    std::int64_t step_a = 0;  // amplitude step, tenths: 10, 5, 2 or 1
    std::int16_t step_f = 0;  // frequency step, tenths: 10, 5, 2 or 1
    double pi_value = 0.0;    // 3.14159
    std::int16_t a_max = 0;   // 100: raising stops once a value has reached it
    float h_ratio = 0.0f;     // height of the sum graph / height of a component graph

    // The means drawn over A'..D' and E' (graphs/mean_overlay.h): the key M
    // and a lesson's "m=1" turn them on; off at start and unless asked for.
    bool show_means = false;

    friend bool operator==(const Parameters&, const Parameters&) = default;
};

}  // namespace waves
