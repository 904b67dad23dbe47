#include "tests/support/lesson_text_promises.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <variant>
#include <vector>

#include "core/app/lesson_state.h"
#include "core/app/lesson_state_text.h"
#include "core/app/start_up.h"
#include "picture/pixel_surface.h"
#include "tests/support/recorded_form.h"

namespace waves::testing {
namespace {

constexpr std::string_view kTooLong = "The text is longer than %1 characters.";

bool printable(char c) { return c >= 0x20 && c <= 0x7e; }

std::string escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (printable(c) && c != '\\' && c != '"') {
            out += c;
        } else {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02x", static_cast<unsigned char>(c));
            out += code;
        }
    }
    return out;
}

// A window of the page's pixel surfaces, as large as the page draws them at
// a device pixel ratio of 1; they draw any span at the cost of a few.
struct PixelWindow : RecordedForm {
    PixelWindow() {
        const auto add = [&](GraphSurface*& slot, int height) {
            surfaces.push_back(std::make_unique<picture::PixelSurface>(Rgb{255, 255, 255}, height + 2.0));
            surfaces.back()->set_device_size(239, height);
            slot = surfaces.back().get();
        };
        for (std::size_t i = 0; i < kComponentCount; ++i) {
            add(form.surfaces.Grph[i], 63);
            add(form.surfaces.m_grph[i], 63);
        }
        add(form.surfaces.std_grph, 63);
        add(form.surfaces.Gr, 119);
        add(form.surfaces.m_gr, 119);
        Form_Load(form);
    }
    std::vector<std::unique_ptr<picture::PixelSurface>> surfaces;
};

// Written from the controls' limits, not from the reader's.
bool clicks_reach(const LessonState& state) {
    const auto wave_reached = [](const WaveSetting& wave, std::int64_t top_frequency) {
        return wave.amplitude >= 0 && wave.amplitude <= 109 && wave.frequency >= 0 && wave.frequency <= top_frequency;
    };
    const auto step_offered = [](std::int64_t step) { return step == 10 || step == 5 || step == 2 || step == 1; };
    return std::all_of(state.components.begin(), state.components.end(),
                       [&](const WaveSetting& wave) { return wave_reached(wave, kComponentFrequencyLimit); }) &&
           wave_reached(state.reference, 109) && state.t_span >= 1 && state.t_span <= (1 << 24) &&
           step_offered(state.step_a) && step_offered(state.step_f);
}

// piece is a run of text with every character outside printable ASCII as '?'.
bool shown_piece_of(std::string_view piece, std::string_view text) {
    for (std::size_t at = 0; at + piece.size() <= text.size(); ++at) {
        if (std::equal(piece.begin(), piece.end(), text.begin() + static_cast<std::ptrdiff_t>(at),
                       [](char shown, char c) { return shown == (printable(c) ? c : '?'); })) {
            return true;
        }
    }
    return false;
}

std::string accepted_promise(const LessonState& state) {
    if (!clicks_reach(state)) return "opens a lesson clicks cannot reach: " + state_text(state);
    PixelWindow window;
    open_in_state(window.form, state);
    const LessonState shown = lesson_state(window.form.params);
    if (shown != state) return "opens a window that shows " + state_text(shown) + ", not " + state_text(state);
    const std::string written = state_text(shown);
    if (written.size() > kStateTextLimit) return "is written back longer than the limit: " + written;
    const auto again = read_state_text(written);
    if (!std::holds_alternative<LessonState>(again) || std::get<LessonState>(again) != state) {
        return "is written back as " + written + ", which does not read as the same lesson";
    }
    return {};
}

std::string refused_promise(const StateRefusal& refusal, std::string_view text, bool too_long) {
    if (refusal.reason == nullptr) return "is refused without a reason";
    const std::string_view reason = refusal.reason;
    if (too_long != (reason == kTooLong)) {
        return too_long ? "is longer than the limit but refused for another reason" : "is refused for its length";
    }
    const std::string sentence = refusal_text(refusal, reason);
    if (sentence.empty() || sentence.back() != '.') return "is refused in no sentence: \"" + escaped(sentence) + '"';
    if (!std::all_of(sentence.begin(), sentence.end(), printable)) {
        return "is refused in a sentence with a character that is not printable: \"" + escaped(sentence) + '"';
    }
    for (const std::string& argument : refusal.arguments) {
        if (!too_long && !shown_piece_of(argument, text)) {
            return "is refused with '" + escaped(argument) + "', which is no piece of the text";
        }
    }
    return {};
}

}  // namespace

std::string broken_lesson_text_promise(std::string_view text) {
    const bool too_long = text.size() - (text.starts_with('#') ? 1 : 0) > kStateTextLimit;
    const auto read = read_state_text(text);
    std::string broken;
    if (const auto* state = std::get_if<LessonState>(&read)) {
        broken = too_long ? "is longer than the limit and accepted" : accepted_promise(*state);
    } else {
        broken = refused_promise(std::get<StateRefusal>(read), text, too_long);
    }
    return broken.empty() ? broken : '"' + escaped(text) + "\" " + broken;
}

}  // namespace waves::testing
