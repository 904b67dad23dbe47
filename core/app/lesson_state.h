// A lesson: everything a student can set with clicks, as a whole: each
// component's amplitude, cos/sin and frequency, the same for W, the span
// and the two step sizes. A link or the command line carries it
// (lesson_state_text.h), so that a class can start where the teacher left.
//
// A LessonState holds only what clicks can reach (the text reader refuses
// anything else): amplitudes 0..10.9 for every wave, W's frequency 0..10.9,
// a component's frequency from 0 up (the reader draws the line at
// kComponentFrequencyLimit), a whole span from 1 to kSpanLimit and steps
// of 1, 0.5, 0.2 or 0.1. Values are whole numbers of tenths, as in the
// parameter record. A default LessonState is the window as start-up
// leaves it.
#pragma once

#include <array>
#include <cstdint>

#include "core/app/form.h"
#include "core/model/parameters.h"

namespace waves {

// Raising an amplitude stops once it has reached 10, so the highest value
// a click can reach is 10 plus the largest step less a tenth.
inline constexpr std::int64_t kAmplitudeLimit = 109;
// W's frequency is raised under the same rule as the amplitudes.
inline constexpr std::int64_t kReferenceFrequencyLimit = kAmplitudeLimit;
// A component's frequency has no bound; a lesson stops at a thousand
// million, far beyond anything a graph can show.
inline constexpr std::int64_t kComponentFrequencyLimit = 10'000'000'000;
// The span is a single-precision float raised by 1; above 2^24 adding 1
// changes nothing, so this is as far as "t=" goes.
inline constexpr std::int64_t kSpanLimit = 16'777'216;

struct WaveSetting {
    std::int64_t amplitude = 0;  // tenths
    bool cosine = true;
    std::int64_t frequency = 0;  // tenths
    friend bool operator==(const WaveSetting&, const WaveSetting&) = default;
};

struct LessonState {
    std::array<WaveSetting, kComponentCount> components{};
    WaveSetting reference{10, true, 10};
    std::int64_t t_span = 1;
    std::int64_t step_a = 10;  // tenths
    std::int64_t step_f = 10;  // tenths
    bool means = false;        // the means over A'..D' and E'
    friend bool operator==(const LessonState&, const LessonState&) = default;
};

// The lesson the parameters show.
LessonState lesson_state(const Parameters& params);

// Puts the window into the lesson, drawn and labelled exactly as if it had
// been clicked there: parameters, value labels, every option button and
// all eleven graphs, the means on them or not. REQUIRES: Form_Load has run on form, and state holds
// only values clicks can reach.
void open_in_state(Form& form, const LessonState& state);

}  // namespace waves
